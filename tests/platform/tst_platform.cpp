#include "TestFixture.h"
#include "TestMain.h"

#include "platform/DocumentLauncher.h"
#include "platform/ModalDialog.h"
#include "platform/NumberText.h"
#include "platform/QtFileDialogService.h"
#include "platform/QtMessageService.h"
#include "platform/RuntimeFault.h"
#include "platform/SavedFile.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <clocale>
#include <cmath>
#include <limits>

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void formatPatterns()
    {
        const struct
        {
            double value;
            const char *pattern, *expected;
        } cases[] = {
            {2.7015621187164243, "##0.0#####", "2.701562"},
            {10.0, "###0.0##", "10.0"},
            {0.5, "##0.0#####", "0.5"},
            {12.3456, "###0.0##", "12.346"},
            {150.0, "#####0.0#", "150.0"},
            {0.0, "0", "0"},
            {2.4, "#0", "2"},
            {-0.098, "#####0.0###", "-0.098"},
            {-0.00001, "##0.0#", "0.0"}, // a negative value rounding to zero shows no sign
            {25000.0, "Scientific", "2.50E+04"},
            {0.00005, "Scientific", "5.00E-05"},
            {1e-9, "Scientific", "1.00E-09"},
            {0.1, "General Number", "0.1"},
            {1e20, "General Number", "1E+20"},
        };
        for (const auto &c : cases)
            QCOMPARE(NumberText::format(c.value, QLatin1String(c.pattern)), QLatin1String(c.expected));
    }

    void strictTestAndReading()
    {
        for (const char *numeric : {" -5 ", "1.5e-3", ".5"})
            QVERIFY2(NumberText::isNumeric(QLatin1String(numeric)), numeric);
        for (const char *text : {"", " ", "abc", "1.2.3", "5 nM"})
            QVERIFY2(!NumberText::isNumeric(QLatin1String(text)), text);
        QCOMPARE(NumberText::numericValue(QStringLiteral(" -5 ")), -5.0);
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, NumberText::numericValue(QStringLiteral("1e400")));
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, NumberText::numericValue(QStringLiteral("x")));
    }

    void leadingNumberReading()
    {
        QCOMPARE(NumberText::leadingNumber(QStringLiteral("  12.5abc")), 12.5);
        QCOMPARE(NumberText::leadingNumber(QStringLiteral("-3e2 nM")), -300.0);
        QCOMPARE(NumberText::leadingNumber(QStringLiteral("abc")), 0.0);
        QCOMPARE(NumberText::leadingNumber(QString()), 0.0);
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, NumberText::leadingNumber(QStringLiteral("1e400")));
        QCOMPARE(NumberText::leadingNumber(QStringLiteral("\t1 2.5\nd-1 x")), 12.5 / 10); // blanks anywhere, D exponent
        QCOMPARE(NumberText::leadingNumber(QStringLiteral("7.e")), 7.0);
        // A lone surrogate from a paste is no number, and stops one like any other character.
        const QString lone(QChar(0xD800));
        QCOMPARE(NumberText::leadingNumber("5" + lone), 5.0);
        QCOMPARE(NumberText::leadingNumber(lone + "5"), 0.0);
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, NumberText::leadingNumber("1e999" + lone));
        QVERIFY(!NumberText::isNumeric("5" + lone));
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, NumberText::numericValue(" 5 " + lone));
    }

    // Rounding to the shown digits must not carry the largest numbers past
    // the largest double (1.7976931348623157E+308): they are cut toward zero.
    void largestNumbersReadBack()
    {
        const double largest = std::numeric_limits<double>::max();
        QCOMPARE(NumberText::generalText(largest), QStringLiteral("1.79769313486231E+308"));
        QCOMPARE(NumberText::generalText(-largest), QStringLiteral("-1.79769313486231E+308"));
        QCOMPARE(NumberText::format(1.796e308, QStringLiteral("Scientific")), QStringLiteral("1.79E+308"));
        QCOMPARE(NumberText::format(1.5e308, QStringLiteral("Scientific")), QStringLiteral("1.50E+308"));
        for (const QString &written : {NumberText::generalText(largest), NumberText::format(-largest, "Scientific")})
            QVERIFY(std::isfinite(NumberText::numericValue(written))
                    && std::isfinite(NumberText::leadingNumber(written)));
    }

    void decimalCommaLocaleRoundTrips()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString shown = NumberText::format(2.7015621187164243, QStringLiteral("##0.0#####"));
        QCOMPARE(shown, QStringLiteral("2,701562"));
        QVERIFY(NumberText::isNumeric(shown));
        QCOMPARE(NumberText::numericValue(shown), 2.701562);
        QCOMPARE(NumberText::leadingNumber(shown), 2.701562);
        QCOMPARE(NumberText::format(25000.0, QStringLiteral("Scientific")), QStringLiteral("2,50E+04"));
        QCOMPARE(NumberText::numericValue(NumberText::generalText(0.125)), 0.125);
        // Both decimal points where the text is unambiguous; never grouping.
        QCOMPARE(NumberText::numericValue(QStringLiteral(" 2.5 ")), 2.5);
        QCOMPARE(NumberText::numericValue(QStringLiteral("-,5e1")), -5.0);
        for (const char *refused : {"1.234,5", "1,234.5", "2,5,0", "2..5"})
            QVERIFY2(!NumberText::isNumeric(QLatin1String(refused)), refused);
        QLocale::setDefault(QLocale::c());
        QVERIFY(!NumberText::isNumeric(QStringLiteral("2,5")));           // a comma is no decimal point here
        QCOMPARE(NumberText::dataFieldValue(QStringLiteral("2,5")), 2.5); // but is in a data file
    }

    // The application object hands the user's locale to the C library too;
    // with a decimal comma there, reading "2.7" must not stop at the point.
    void cLibraryNumericLocaleDoesNotMatter()
    {
        const QByteArray previous = std::setlocale(LC_NUMERIC, nullptr);
        bool comma = false;
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"})
            if (std::setlocale(LC_NUMERIC, name) && *std::localeconv()->decimal_point == ',') {
                comma = true;
                break;
            }
        if (!comma)
            QSKIP("no locale with a decimal comma is installed");
        const double read = NumberText::numericValue(QStringLiteral("2.7"));
        const double leading = NumberText::leadingNumber(QStringLiteral("1.5e-3 nM"));
        std::setlocale(LC_NUMERIC, previous.constData());
        QCOMPARE(read, 2.7);
        QCOMPARE(leading, 1.5e-3);
    }

    void settingsStoreDefaultsBadValuesAndOneReading()
    {
        TestFixture::resetFolders();
        const QString app = QStringLiteral("Vornish");
        QCOMPARE(SettingsStore::read(app, QStringLiteral("Settings"), QStringLiteral("Nope"), QStringLiteral("d")),
                 QStringLiteral("d"));
        SettingsStore::write(app, QStringLiteral("Settings"), QStringLiteral("MainLeft"), QStringLiteral("12.5"));
        QCOMPARE(SettingsStore::readSingle(app, QStringLiteral("Settings"), QStringLiteral("MainLeft"), 0), 12.5f);
        SettingsStore::write(app, QStringLiteral("Settings"), QStringLiteral("MainTop"), QStringLiteral("junk"));
        QCOMPARE(SettingsStore::readSingle(app, QStringLiteral("Settings"), QStringLiteral("MainTop"), 7), 7.0f);
        SettingsStore::write(app, QStringLiteral("RegInfo"), QStringLiteral("Times"), QStringLiteral("99999"));
        QCOMPARE(SettingsStore::readShort(app, QStringLiteral("RegInfo"), QStringLiteral("Times"), 0), short(0));

        // The store reads its file once: a large settings file is not parsed
        // again at every read. An edit made behind its back shows only once
        // the store is closed and opened anew.
        SettingsStore::write(app, QStringLiteral("RegInfo"), QStringLiteral("Ask"), QStringLiteral("Y"));
        const QString fileName = QSettings(QSettings::IniFormat, QSettings::UserScope, app, app).fileName();
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[RegInfo]\nAsk=N\nTimes=3\n");
        file.close();
        QCOMPARE(SettingsStore::read(app, QStringLiteral("RegInfo"), QStringLiteral("Ask"), QString()),
                 QStringLiteral("Y"));
        SettingsStore::close();
        QCOMPARE(SettingsStore::read(app, QStringLiteral("RegInfo"), QStringLiteral("Ask"), QString()),
                 QStringLiteral("N"));
    }

    // A damaged stored placement can ask for millions of pixels.
    void twipsOfHugePixelCounts()
    {
        QCOMPARE(Twips::fromPixelsX(2000000), 2000000 * (1440 / Twips::dpiX()));
        QCOMPARE(Twips::fromPixelsY(-2000000), -2000000 * (1440 / Twips::dpiY()));
    }

    void launcherFailureMessages()
    {
        resetMessages();
        modVnPublic::SetDocumentOpener([](const QString &) { return modVnPublic::LaunchNoAssociation; });
        modVnPublic::LaunchDocument(nullptr, QStringLiteral("/x/readme.htm"), 0);
        modVnPublic::SetDocumentOpener([](const QString &) { return 5; });
        modVnPublic::LaunchDocument(nullptr, QStringLiteral("/x/readme.htm"), 0);
        modVnPublic::SetDocumentOpener([](const QString &) { return modVnPublic::LaunchOk; });
        modVnPublic::LaunchDocument(nullptr, QStringLiteral("/x/readme.htm"), 0);
        modVnPublic::SetDocumentOpener(nullptr);
        const auto &shown = scriptedMessages().shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].title, QStringLiteral("Browser Unavailable"));
        QCOMPARE(shown[0].text, QStringLiteral("Vornish could not find a file association for /x/readme.htm on your "
                                               "system. You should check that your browser is correctly installed "
                                               "and associated with this type of file."));
        QCOMPARE(shown[1].text, QStringLiteral("Vornish had a problem running your web browser. Please check that "
                                               "your browser is correctly installed.(Error5)"));
        QCOMPARE(shown[1].icon, Messages::Icon::Exclamation);
    }

    void dialogsBelongToAWindow()
    {
        QMainWindow main;
        main.show();
        QWidget tool;
        tool.show();
        QtMessageService service;
        QWidget *parent = nullptr;
        ModalDialog::setRunner([&](QDialog &box) {
            parent = box.parentWidget();
            return qobject_cast<QMessageBox *>(&box) ? int(QMessageBox::Yes) : int(QDialog::Rejected);
        });
        QApplication::setActiveWindow(&tool);
        QCOMPARE(service.ask({QStringLiteral("Keep it?"), Messages::Buttons::YesNo}), Messages::Answer::Yes);
        QCOMPARE(parent, &tool);
        // No window active, as right after another box closed: the window the user was in.
        QApplication::setActiveWindow(nullptr);
        service.ask({QStringLiteral("Second")});
        QCOMPARE(parent, &tool);
        // File dialogs too, as after the no-printer question.
        parent = nullptr;
        QtFileDialogService().ask({FileDialogs::Mode::Save, QStringLiteral("Export Report as PDF"), {}, {}});
        QCOMPARE(parent, &tool);
        // That window gone: the main window, never none (a box floating mid-screen).
        tool.hide();
        service.ask({QStringLiteral("Third")});
        QCOMPARE(parent, &main);
        TestFixture::dismissModalWindows();
    }

    // A real full disk: a small tmpfs (where this process may mount one)
    // filled but for a few bytes, and a writer that checks nothing, as a
    // text stream, an SVG generator or a PDF writer: the earlier file stays,
    // no temporary file is left, and the reason is the system's.
    void aFullDiskNeverReplacesTheEarlierFile()
    {
        QTemporaryDir disk;
        if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=256k", "tmpfs", disk.path()}) != 0)
            QSKIP("this process may not mount a small disk");
        const auto unmount = qScopeGuard([&disk] { QProcess::execute(QStringLiteral("umount"), {disk.path()}); });
        const QString path = disk.filePath(QStringLiteral("graph.svg"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        const auto uncheckedWriter = [](QIODevice &device) {
            QTextStream stream(&device);
            for (int i = 0; i < 10000; ++i)
                stream << "0123456789";
            return true;
        };
        for (const qint64 room : {0, 4096, 16384, 65536}) {
            QFile filler(disk.filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
            QVERIFY(filler.resize(filler.size() - room));
            filler.close();
            QCOMPARE(writeWholeFile(path, uncheckedWriter), QStringLiteral("No space left on device"));
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            QCOMPARE(earlier.readAll(), QByteArray("earlier"));
            earlier.close();
            QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"filler", "graph.svg"}));
            QVERIFY(filler.remove());
        }
        QCOMPARE(writeWholeFile(path, uncheckedWriter), QString());
        QCOMPARE(QFileInfo(path).size(), 100000);
    }
};

VORNISH_TEST(PlatformTest)
#include "tst_platform.moc"
