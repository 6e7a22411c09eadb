#include "TestFixture.h"

#include "ScriptedFileDialogs.h"
#include "platform/ModalDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"

#include <QDialog>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>

namespace TestFixture {
namespace {

QTemporaryDir *g_root = nullptr;
int g_folderCount = 0;

void closeStrayModalDialogs()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    qWarning("A real modal dialog was left open: %s", qPrintable(modal->objectName()));
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
    QTest::qFail("A real modal dialog was opened instead of the message service", __FILE__, __LINE__);
}

} // namespace

void prepareEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::temp().filePath(QStringLiteral("vornish-test-runtime")).toLocal8Bit();
        QDir().mkpath(QString::fromLocal8Bit(runtime));
        QFile::setPermissions(QString::fromLocal8Bit(runtime),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
}

QString temporaryFolder()
{
    if (!g_root)
        g_root = new QTemporaryDir();
    return g_root->path();
}

void resetFolders()
{
    ++g_folderCount;
    const QString base = QDir(temporaryFolder()).filePath(QString::number(g_folderCount));
    QDir().mkpath(base + QStringLiteral("/settings"));
    QDir().mkpath(base + QStringLiteral("/program"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, base + QStringLiteral("/settings"));
    SettingsStore::close();
    modVnPublic::SetProgramFolder(base + QStringLiteral("/program"));
}

void dismissModalWindows()
{
    ModalDialog::setRunner([](QDialog &dialog) {
        dialog.reject();
        return dialog.result();
    });
}

void prepareApplication(QApplication &app)
{
    // Expected texts are written with a decimal point, whatever the locale
    // of the machine; tests of a decimal comma set theirs.
    QLocale::setDefault(QLocale::c());
    resetFolders();
    dismissModalWindows();
    scriptedMessages();
    scriptedFileDialogs();
    auto *guard = new QTimer(&app);
    QObject::connect(guard, &QTimer::timeout, &closeStrayModalDialogs);
    guard->start(500);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] {
        delete g_root;
        g_root = nullptr;
    });
}

QString stored(const char *section, const char *key)
{
    return SettingsStore::read(QStringLiteral("Vornish"), QLatin1String(section), QLatin1String(key),
                               QStringLiteral("absent"));
}

} // namespace TestFixture
