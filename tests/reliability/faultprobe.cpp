// One start of the host's configuration and app manager, as tarvik makes it,
// in a process of its own so that a test can take rights away from it first:
//   veltra_faultprobe [--no-file-override] [--file-size-limit <bytes>] [--version <software version>]
//                     <apps dir> [<app id>=<badge>...]
// --no-file-override drops the capabilities that let root ignore file
// permissions, so read-only files and directories bind root too;
// --file-size-limit plays a full file system (writes past the limit fail with
// EFBIG; SIGXFSZ is ignored); --version runs the version tracking first, as
// start-up does. Prints the values read and the badges, one per
// line (badges percent-encoded), and exits 0 unless it could not set itself up.
#include "appmanager.h"
#include "globalconfig.h"
#include "versiontracking.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTextStream>
#include <QUrl>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool dropFileOverride()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        const unsigned bit = 1u << (cap % 32);
        data[cap / 32].effective &= ~bit;
        data[cap / 32].permitted &= ~bit;
        data[cap / 32].inheritable &= ~bit;
    }
    return ::syscall(SYS_capset, &header, data) == 0;
}

bool limitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    if (args.value(0) == QLatin1String("--no-file-override")) {
        args.removeFirst();
        if (!dropFileOverride()) {
            out << "setup-failed: capabilities\n";
            return 2;
        }
    }
    if (args.value(0) == QLatin1String("--file-size-limit")) {
        const rlim_t bytes = args.value(1).toULongLong();
        args = args.mid(2);
        if (!limitFileSize(bytes)) {
            out << "setup-failed: rlimit\n";
            return 2;
        }
    }
    QByteArray version;
    if (args.value(0) == QLatin1String("--version")) {
        version = args.value(1).toUtf8();
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        out << "setup-failed: no apps directory\n";
        return 2;
    }

    out << "reset=" << (GlobalConfig::resetIfRequested() ? "yes" : "no") << '\n';
    if (!version.isNull())
        zelcommon::VersionTracking::init(GlobalConfig::savedDataDir().toUtf8(), version);
    std::unique_ptr<QSettings> settings = GlobalConfig::open();
    GlobalConfig::writeDefaults(*settings);
    const StartupSettings config = GlobalConfig::read(*settings);
    out << "home=" << config.homeAppId << '\n'
        << "startup=" << config.startupAppId << '\n'
        << "single=" << config.singleAppMode << '\n'
        << "appsDir=" << config.appsDir << '\n';
    {
        AppManager manager(args.takeFirst(), GlobalConfig::appFilter(config));
        out << "apps=" << manager.appMetadataList().toList().size() << '\n';
        for (const QString &badge : qAsConst(args))
            manager.setBadgeText(badge.section(QLatin1Char('='), 0, 0), badge.section(QLatin1Char('='), 1));
        const QVariantMap badges = manager.badgesText().toMap();
        for (auto it = badges.cbegin(); it != badges.cend(); ++it)
            out << "badge:" << QUrl::toPercentEncoding(it.key()) << '='
                << QUrl::toPercentEncoding(it.value().toString()) << '\n';
    }
    settings->sync();
    out << "settings=" << int(settings->status()) << '\n';
    return 0;
}
