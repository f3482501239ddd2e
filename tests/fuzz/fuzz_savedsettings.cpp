// global.conf and badges.conf holding any bytes, read the way the shell reads
// them: the global configuration through GlobalConfig (the settings class
// over the saved file, the shell's defaults written, its keys read as the
// file's text), the badges through the badge store, which then changes one
// badge. Properties: every key the shell reads comes back as the text the
// file holds for it; writing the defaults changes none of them in the file;
// a badge change leaves every other badge as it was read. A file the settings
// class reports a format error for (a line without "=", say) is never
// replaced: it stays byte for byte, and a change is kept for the run only.
// Known: nor is a file where the settings class reads a key with a "/" at
// either end or doubled ("/startup_app_id" beside "startup_app_id": it
// writes them as one line, and SavedSettings takes the copy for a cut-off
// one); when it stays as it was, nothing else is checked.
//
// IniText reads a line at each line feed; the settings class also ends one at
// a lone carriage return, goes on over a line feed inside double quotes or
// after a backslash, and ignores an "=" inside quotes. Where the two split a
// file differently they see different keys and texts, and the file the
// settings class writes back can change what IniText reads (a badge nobody
// touched, a key of the shell's): those files are checked only for what
// holds whatever the split (no crash, sanitizer report or leak; the shell
// reads the file's text; the new badge is set).
//
// Also known: the settings class (Qt 5.15, UTF-8 codec) drops every
// character outside the Basic Multilingual Plane (an emoji) from a value it
// writes, and writes a value it reads as a list ("3,5") as it writes lists
// ("3, 5"); such values are not compared after a write.

#include "badgestore.h"
#include "fuzzsupport.h"
#include "globalconfig.h"
#include "initext.h"
#include "savedfile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QSettings>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

const QString kFuzzApp = QStringLiteral("com.ostrelle.veltra.FuzzBadge");

void writePlain(const QString &path, const QByteArray &content)
{
    QFile file(path);
    CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write %s", qPrintable(path));
    CHECK(file.write(content) == content.size(), "cannot write %s", qPrintable(path));
}

// Whether the settings class splits `content` into the lines IniText reads.
bool sameLines(const QByteArray &content)
{
    for (QByteArray line : content.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.contains('\r'))
            return false;
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith(';'))
            continue;
        bool quoted = false;
        int equals = -1;
        for (int i = 0; i < trimmed.size(); ++i) {
            const char c = trimmed.at(i);
            if (c == '\\') {
                if (++i == trimmed.size())
                    return false; // goes on in the next line
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == '=' && equals < 0) {
                if (quoted)
                    return false; // the settings class's key ends at a later "="
                equals = i;
            } else if (c == ';' && !quoted) {
                break; // a comment to the end of the line
            }
        }
        if (quoted)
            return false;
    }
    return true;
}

// How the settings class itself reads `content`.
struct SettingsClassView
{
    bool accepts = false;          // no format error
    QSet<QString> keys;            // its top-level keys
    QSet<QString> notPlainText;    // those it reads as a list or another type
    bool slashKey = false;         // a key with a "/" at either end or doubled
};

// Whether the settings class can write `text` back whole.
bool writable(const QString &text)
{
    for (const QChar c : text) {
        if (c.isSurrogate())
            return false;
    }
    return true;
}

SettingsClassView settingsClassView(const QByteArray &content)
{
    const QString path = fuzz::rootfs() + QStringLiteral("/view.conf");
    writePlain(path, content);
    SettingsClassView view;
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        for (const QString &key : settings.childKeys()) {
            view.keys.insert(key);
            if (settings.value(key).type() != QVariant::String)
                view.notPlainText.insert(key);
        }
        // Those the settings class writes as another key: "/" at either
        // end or doubled.
        for (const QString &key : settings.allKeys()) {
            view.slashKey = view.slashKey || key.startsWith(QLatin1Char('/')) || key.endsWith(QLatin1Char('/'))
                || key.contains(QLatin1String("//"));
        }
        view.accepts = settings.status() == QSettings::NoError;
    }
    QFile::remove(path);
    return view;
}

void globalConfig(const QByteArray &content, const SettingsClassView &view, bool linesAgree)
{
    const QString path = GlobalConfig::filePath();
    writePlain(path, content);
    const QHash<QString, QString> file = IniText::topLevel(content);

    StartupSettings config;
    QString language;
    {
        std::unique_ptr<QSettings> settings = GlobalConfig::open();
        GlobalConfig::writeDefaults(*settings);
        config = GlobalConfig::read(*settings);
        language = IniText::value(*settings, QStringLiteral("language"), QStringLiteral("en-US"));
    } // written here, as at the shell's end

    const QHash<QString, QString> read = {{QStringLiteral("apps_dir"), config.appsDir},
                                          {QStringLiteral("home_app_id"), config.homeAppId},
                                          {QStringLiteral("startup_app_id"), config.startupAppId},
                                          {QStringLiteral("single_app_mode"), config.singleAppMode},
                                          {QStringLiteral("screenshot_dir"), config.screenshotDir},
                                          {QStringLiteral("language"), language}};
    const QByteArray afterBytes = saved::readFile(path).value_or(QByteArray());
    if (!view.accepts) {
        CHECK(afterBytes == content, "a file with a format error was changed to:\n%s",
              fuzz::show(afterBytes).constData());
        return;
    }
    if (view.slashKey && afterBytes == content)
        return;
    const QHash<QString, QString> after = IniText::topLevel(afterBytes);
    for (auto it = read.cbegin(); it != read.cend(); ++it) {
        const QByteArray key = it.key().toUtf8();
        if (file.contains(it.key())) {
            CHECK(it.value() == file.value(it.key()), "%s: the file holds %s, the shell read %s", key.constData(),
                  fuzz::show(file.value(it.key())).constData(), fuzz::show(it.value()).constData());
            if (linesAgree && writable(file.value(it.key()))) {
                CHECK(after.value(it.key()) == file.value(it.key()), "%s: %s before the start, %s in the file after",
                      key.constData(), fuzz::show(file.value(it.key())).constData(),
                      fuzz::show(after.value(it.key())).constData());
            }
        }
    }
    // Written when absent; where the settings class reads it from a key
    // IniText leaves out ("/startup_app_id"), the shell reads that one.
    if (linesAgree) {
        CHECK(after.contains(QStringLiteral("startup_app_id"))
                  || settingsClassView(afterBytes).keys.contains(QStringLiteral("startup_app_id")),
              "no startup_app_id in the file after the start:\n%s", fuzz::show(afterBytes).constData());
    }
}

void badges(const QByteArray &content, const SettingsClassView &view, bool linesAgree)
{
    const QString path = GlobalConfig::savedDataDir() + QStringLiteral("badges.conf");
    writePlain(path, content);
    QVariantMap before;
    {
        BadgeStore store(path);
        before = store.badges();
        store.setText(kFuzzApp, QStringLiteral("7"));
        CHECK(store.text(kFuzzApp) == QLatin1String("7"), "the new badge reads %s in the same run",
              fuzz::show(store.text(kFuzzApp)).constData());
    }
    if (!view.accepts) {
        const QByteArray after = saved::readFile(path).value_or(QByteArray());
        CHECK(after == content, "a file with a format error was changed to:\n%s", fuzz::show(after).constData());
        return;
    }
    if (view.slashKey && saved::readFile(path).value_or(QByteArray()) == content)
        return;
    if (!linesAgree)
        return;
    BadgeStore again(path);
    const QVariantMap after = again.badges();
    CHECK(after.value(kFuzzApp).toString() == QLatin1String("7"), "the new badge reads %s:\n%s",
          fuzz::show(after.value(kFuzzApp).toString()).constData(),
          fuzz::show(saved::readFile(path).value_or(QByteArray())).constData());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key() == kFuzzApp)
            continue;
        CHECK(after.contains(it.key()), "badge %s lost:\n%s", fuzz::show(it.key()).constData(),
              fuzz::show(saved::readFile(path).value_or(QByteArray())).constData());
        if (view.notPlainText.contains(it.key()) || !writable(it.value().toString()))
            continue;
        CHECK(after.value(it.key()).toString() == it.value().toString(), "badge %s: %s became %s",
              fuzz::show(it.key()).constData(), fuzz::show(it.value().toString()).constData(),
              fuzz::show(after.value(it.key()).toString()).constData());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), int(size));
    const QString dir = GlobalConfig::savedDataDir();
    CHECK(QDir().mkpath(dir), "cannot create %s", qPrintable(dir));
    const SettingsClassView view = settingsClassView(content);
    const bool linesAgree = sameLines(content);
    globalConfig(content, view, linesAgree);
    badges(content, view, linesAgree);
    // The next input starts from an empty saved-data directory.
    CHECK(QDir(dir).removeRecursively(), "cannot empty %s", qPrintable(dir));
    return 0;
}
