<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppTitle</name>
    <message>
        <source>com.ostrelle.veltra.Home</source>
        <extracomment>The app&apos;s title in the launcher; the record says &quot;Home&quot;.</extracomment>
        <translation>主页</translation>
    </message>
</context>
<context>
    <name>HomeApp</name>
    <message>
        <source>HOME_APP_TITLE</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>HOME_NO_APPS</source>
        <translation>未安装任何应用</translation>
    </message>
</context>
</TS>
