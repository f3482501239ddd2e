<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>GaugeApp</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>压力计</translation>
    </message>
    <message>
        <source>GAUGE_MODE</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>GAUGE_UNITS</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_A</source>
        <translation>通道 A</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_B</source>
        <translation>通道 B</translation>
    </message>
    <message>
        <source>GAUGE_TAP_INPUT</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>GAUGE_TAP_REFERENCE</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>CHANNELMODE_PR_PR</source>
        <translation>压力 / 压力</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT50</source>
        <translation>风量 @50 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT25</source>
        <translation>风量 @25 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_AH_FLOW</source>
        <translation>空气处理机组风量</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOW</source>
        <translation>风量</translation>
    </message>
    <message>
        <source>PRESSUREUNITS_PA</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>PRESSUREUNITS_HPA</source>
        <translation>hPa</translation>
    </message>
    <message>
        <source>PRESSUREUNITS_INH2O</source>
        <translation>英寸水柱</translation>
    </message>
    <message>
        <source>PRESSUREUNITS_MMH2O</source>
        <translation>毫米水柱</translation>
    </message>
    <message>
        <source>TAP_LABEL_INPUT</source>
        <translation>输入端</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>参考端</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>无</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>建筑</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>风管</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>被测空间</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>室外</translation>
    </message>
    <message>
        <source>TAP_LABEL_T4_FAN</source>
        <translation>T4 风机</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_FAN</source>
        <translation>T3 风机</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_220_FAN</source>
        <translation>T3 220 风机</translation>
    </message>
    <message>
        <source>TAP_LABEL_WX_FAN</source>
        <translation>WX 风机</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_RED</source>
        <translation>NSM 红</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>风量罩</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>风机参考</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>圆形过渡</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM 蓝</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA 红</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA 绿</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>主页</translation>
    </message>
</context>
</TS>
