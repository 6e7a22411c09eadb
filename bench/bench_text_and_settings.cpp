// The cost of reading text: ten settings reads with an 8 MB settings file
// (one store object keeps the parsed file), and the leading-number reading
// of a pasted cell of 200,000 blanks before its number.
#include "platform/NumberText.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

int main()
{
    QTemporaryDir folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    const QString app = QStringLiteral("Vornish");
    const QString fileName = folder.filePath(QStringLiteral("Vornish/Vornish.ini"));
    QDir().mkpath(folder.filePath(QStringLiteral("Vornish")));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("[Settings]\nMainWidth=11310\n[Padding]\n");
    for (int i = 0; i < 1000000; ++i) // many short keys: more than Qt's own cache of parsed files keeps
        file.write("K" + QByteArray::number(i, 36) + "=1\n");
    file.close();
    const qint64 fileSize = QFileInfo(fileName).size();

    QElapsedTimer timer;
    timer.start();
    float sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += SettingsStore::readSingle(app, QStringLiteral("Settings"), QStringLiteral("MainWidth"), 0);
    std::printf("settings_file_size: %.1f MB\n", double(fileSize) / 1e6);
    std::printf("settings_ten_reads: %.1f ms\n", double(timer.nsecsElapsed()) / 1e6);

    const QString cell = QString(200000, QLatin1Char(' ')) + QStringLiteral("7.5");
    timer.restart();
    double read = 0;
    for (int i = 0; i < 100; ++i)
        read += NumberText::leadingNumber(cell);
    std::printf("leading_number_200k_blank_cell: %.1f us\n", double(timer.nsecsElapsed()) / 1e3 / 100);
    return sum == 113100 && read == 750 ? 0 : 1;
}
