#include "ExchangeTesting.h"
#include "FileSizeLimit.h"
#include "PdfText.h"
#include "RunningProgram.h"
#include "ScriptedFileDialogs.h"
#include "TestMain.h"

#include "dynamic/ResultsStore.h"
#include "dynamic/frm_dbResults_DynamVn.h"
#include "exchange/CsvText.h"
#include "platform/ChildWindow.h"
#include "platform/ClipboardCommands.h"
#include "platform/EditableGrid.h"
#include "platform/ModalDialog.h"
#include "platform/NumberText.h"
#include "platform/PrinterDialog.h"
#include "printing/frmPrintOptions.h"
#include "scatchard/frmScatchard.h"
#include "session/Session.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMimeData>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTableView>

#include <cmath>
#include <functional>

namespace {

RunningProgram program;

QString tempPath(const QString &name)
{
    return QDir(TestFixture::temporaryFolder()).filePath(name);
}

void trigger(const char *name)
{
    QAction *action = program.main->findChild<QAction *>(QLatin1String(name));
    QVERIFY2(action, name);
    action->trigger();
}

QString readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// The texts the graph picture shows (tick labels), and the axis titles.
QStringList screenTexts()
{
    const DisplayList &list = program.picture().displayList();
    QStringList texts{program.graph().lblX_axis->text(), program.graph().lblY_axis->text()};
    for (const DisplayItem &item : list.items())
        if (item.kind == DisplayItem::Text && !list.textOf(item).trimmed().isEmpty())
            texts << list.textOf(item).trimmed();
    return texts;
}

void verifyContainsWords(const QString &found, const QStringList &expected)
{
    const QString flat = QString(found).simplified();
    for (const QString &text : expected)
        for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(flat.contains(word), qPrintable(word));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// A disk that fills before the file is whole, at its first byte, half way
// and one byte short: the earlier file stays as it was, nothing else is left
// beside it, and the user reads that it was not saved, and why. save()
// chooses path in its file dialog.
void verifyFullDiskKeepsTheEarlierFile(const QString &path, const std::function<void()> &save)
{
    resetMessages();
    save();
    const qint64 size = QFileInfo(path).size();
    QVERIFY2(size > 0 && !scriptedMessages().titles().contains("Save Failed"), qPrintable(path));
    const QByteArray earlier = "the earlier file";
    for (const qint64 room : {qint64(0), size / 2, size - 1}) {
        writeFile(path, earlier);
        resetMessages();
        {
            const FileSizeLimit full{rlim_t(room)};
            save();
        }
        const QString where = QStringLiteral("%1 at %2 bytes").arg(path).arg(room);
        QVERIFY2(readAll(path).toUtf8() == earlier, qPrintable(where));
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
        QVERIFY2(scriptedMessages().titles().count("Save Failed") == 1, qPrintable(where));
        const QString text = scriptedMessages().texts().last();
        QVERIFY2(text.contains("The file could not be saved") && text.contains("File too large"), qPrintable(text));
    }
}

} // namespace

class ExchangeCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        program.start();
        resetFileDialogs();
    }
    void cleanup()
    {
        program.stop();
        QLocale::setDefault(QLocale::c());
        TestFixture::dismissModalWindows();
        PrinterDialog::setPrinterCheck({});
    }

    void graphFilesAndClipboardShowTheScreenGraph()
    {
        program.vornish("10", "20", "5");
        const QStringList shown = screenTexts();
        QVERIFY(shown.size() > 4);
        const QString svg = tempPath("graph.svg"), pdf = tempPath("graph.pdf"), png = tempPath("graph.png");
        resetFileDialogs({svg, pdf, png});
        QWidget *owner = nullptr;
        ModalDialog::setRunner([&owner](QDialog &dialog) {
            owner = dialog.parentWidget();
            dialog.findChild<QSpinBox *>("spnResolution")->setValue(300);
            dialog.accept();
            return int(QDialog::Accepted);
        });
        QApplication::setActiveWindow(nullptr); // as right after the file dialog closed
        for (int i = 0; i < 3; ++i)
            trigger("mnuGraphSaveAs");
        QCOMPARE(owner, program.main.get()); // "Graph Resolution" opens over the program, not mid-screen

        QVERIFY(QSvgRenderer(svg).isValid());
        const QStringList svgWords = svgTexts(readAll(svg).toUtf8());
        verifyContainsWords(svgWords.join(' '), shown);
        verifyContainsWords(pdfLayoutText(pdf), shown);
        // 5940 x 5415 twips at 300 dpi.
        const QImage image(png);
        QCOMPARE(image.size(), QSize(1238, 1128));
        QCOMPARE(image.dotsPerMeterX(), qRound(300 / 0.0254));

        // Named after the tool and the date, in the folder used last.
        const QList<FileDialogs::Request> asked = scriptedFileDialogs().asked;
        QCOMPARE(QFileInfo(asked[0].startPath).fileName(),
                 "Equilibrium graph " + QDate::currentDate().toString(Qt::ISODate) + ".png");
        QCOMPARE(QFileInfo(asked[1].startPath).absolutePath(), QFileInfo(svg).absolutePath());
        QCOMPARE(scriptedMessages().shown.size(), 0);

        // A figure of a double column, 170 mm wide at 600 dpi: 4016 pixels, the proportions kept;
        // the same width as a PDF page.
        const QString wide = tempPath("wide.png"), widePdf = tempPath("wide.pdf");
        resetFileDialogs({wide, widePdf});
        ModalDialog::setRunner([](QDialog &dialog) {
            dialog.findChild<QDoubleSpinBox *>("spnWidth")->setValue(170);
            if (dialog.findChild<QSpinBox *>("spnResolution")->isEnabled())
                dialog.findChild<QSpinBox *>("spnResolution")->setValue(600);
            dialog.accept();
            return int(QDialog::Accepted);
        });
        trigger("mnuGraphSaveAs");
        trigger("mnuGraphSaveAs");
        QCOMPARE(QImage(wide).size(), QSize(4016, 3661));
        QCOMPARE(QImage(wide).dotsPerMeterX(), qRound(600 / 0.0254));
        QVERIFY(QFileInfo(widePdf).size() > 0);

        trigger("mnuGraphCopyGraph");
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->hasImage());
        verifyContainsWords(svgTexts(copied->data("image/svg+xml")).join(' '), shown);

        // A folder that takes no file: a clear message and nothing left.
        const QString blocked = unwritableFolder() + "/graph.svg";
        resetFileDialogs({blocked});
        trigger("mnuGraphSaveAs");
        QCOMPARE(scriptedMessages().titles(), QStringList{"Save Failed"});
        QVERIFY(scriptedMessages().texts().first().contains(QDir::toNativeSeparators(blocked)));
        QVERIFY(!QFile::exists(blocked));
    }

    // Every file the windows write, each in a folder of its own.
    void aFullDiskKeepsTheEarlierFile()
    {
        program.vornish("10", "20", "5");
        writeAwkwardResults(modVornish::ResultsFilePath(), 2000);
        appWindows().results->ShowResults();
        frmScatchard &scatchard = *appWindows().scatchard;
        for (int i = 1; i <= 20; ++i) {
            scatchard.flgInputScatchard->setTextMatrix(i, 1, NumberText::generalText(i / 3.0));
            scatchard.flgInputScatchard->setTextMatrix(i, 2, NumberText::generalText(1 - i / 70.0));
        }
        ModalDialog::setRunner([](QDialog &dialog) {
            dialog.accept();
            return int(QDialog::Accepted);
        });
        PrinterDialog::setPrinterCheck([] { return false; });
        const auto saving = [](const QString &path, const std::function<void()> &action) {
            QDir().mkpath(QFileInfo(path).path());
            return [path, action] {
                resetFileDialogs({path});
                action();
            };
        };
        const auto saveGraph = [] { trigger("mnuGraphSaveAs"); };
        const auto exportFrom = [](ChildWindow *window) {
            return [window] {
                window->showInFront();
                trigger("mnuFileExportData");
            };
        };
        const std::pair<QString, std::function<void()>> writers[] = {
            {tempPath("svg/graph.svg"), saveGraph},
            {tempPath("pdf/graph.pdf"), saveGraph},
            {tempPath("png/graph.png"), saveGraph},
            {tempPath("equilibrium/data.csv"), exportFrom(appWindows().vornish)},
            {tempPath("scatchard/data.csv"), exportFrom(appWindows().scatchard)},
            {tempPath("browser/table.csv"), exportFrom(appWindows().results)},
            {tempPath("run/run.csv"), [] { trigger("mnuTableExportRun"); }},
            {tempPath("report/report.pdf"),
             [] {
                 program.main->mnuFilePrint_Click();
                 appWindows().print->cmdPrint_Click();
             }},
        };
        for (const auto &[path, action] : writers)
            verifyFullDiskKeepsTheEarlierFile(path, saving(path, action));
    }

    void equilibriumCsvHoldsTheValuesAndTheCurve()
    {
        program.vornish("10", "20", "5");
        const QString csv = tempPath("equilibrium.csv");
        resetFileDialogs({csv});
        trigger("mnuFileExportData");
        const QStringList lines = readAll(csv).split("\r\n", Qt::SkipEmptyParts);
        const auto value = [&lines](const QString &name) {
            const QString line = lines.filter("# " + name + ": ").value(0);
            return line.endsWith(" nM") ? line.section(": ", 1).section(" ", 0, 0).toDouble() : -1.0;
        };
        // [A/B] solves x^2 - 35 x + 200 = 0.
        const double ab = (35 - std::sqrt(425.0)) / 2;
        const std::pair<const char *, double> expected[] = {{"Total A", 10}, {"Total B", 20}, {"Kd", 5},
                                                            {"[A/B]", ab},   {"A", 10 - ab},  {"B", 20 - ab}};
        for (const auto &[name, v] : expected)
            QVERIFY2(std::abs(value(name) - v) < 1e-13 * v, name);
        const int header = int(lines.indexOf("Total A (nM),[A/B] (nM)"));
        QVERIFY(header > 0);
        QVERIFY(lines.size() - header - 1 > 100);
        for (const QString &line : lines.mid(header + 1)) {
            const double x = line.section(',', 0, 0).toDouble(), y = line.section(',', 1, 1).toDouble();
            const double curve = (x + 25 - std::sqrt((x + 25) * (x + 25) - 80 * x)) / 2;
            QVERIFY2(std::abs(y - curve) <= 1e-12 * std::max(1.0, curve), qPrintable(line));
        }
    }

    void scatchardDataOutAndBackIn()
    {
        frmScatchard &form = *appWindows().scatchard;
        form.showInFront();
        EditableGrid &grid = *form.flgInputScatchard;
        const double bound[] = {0.1234567890123457, 2.0 / 3, 7.25e-3, 11};
        const double ratio[] = {1.0 / 7, 0.3, 1e-17, 5.5};
        for (int i = 0; i < 4; ++i) {
            grid.setTextMatrix(i + 1, 1, NumberText::generalText(bound[i]));
            grid.setTextMatrix(i + 1, 2, QString::number(ratio[i], 'g', 17));
        }
        const QString csv = tempPath("scatchard.csv");
        resetFileDialogs({csv, csv});
        trigger("mnuGridExportData");
        form.cmdClearForm_Click();
        trigger("mnuFileOpenData");
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(NumberText::leadingNumber(grid.TextMatrix(i + 1, 1)),
                     NumberText::leadingNumber(NumberText::generalText(bound[i])));
            QCOMPARE(NumberText::leadingNumber(grid.TextMatrix(i + 1, 2)), ratio[i]);
        }
        QCOMPARE(grid.TextMatrix(5, 1), QString());
        // The data follow the results, after an empty line.
        QCOMPARE(runPython("import csv, sys\nrows = list(csv.reader(open(sys.argv[1], newline='')))\n"
                           "rows = rows[rows.index([]) + 1:]\nprint(rows[0], [float(r[1]) for r in rows[1:]] == "
                           "[float.fromhex(h) for h in sys.argv[2:]])",
                           {csv, hexText(ratio[0]), hexText(ratio[1]), hexText(ratio[2]), hexText(ratio[3])}),
                 QStringLiteral("['Bound (nM)', 'Bound/Free (unitless)'] True"));

        // One row more than the grid holds: the file was read, nothing is
        // entered, and the message says so without calling it unreadable.
        QString many = "Bound,Bound/Free\n";
        for (int i = 1; i <= 21; ++i)
            many += QString("%1,0.5\n").arg(i);
        const QString file = tempPath("many.csv");
        writeFile(file, many.toUtf8());
        resetFileDialogs({file});
        resetMessages();
        const QString kept = grid.TextMatrix(1, 1);
        trigger("mnuFileOpenData");
        QCOMPARE(scriptedMessages().shown.size(), 1);
        const QString text = scriptedMessages().texts().first();
        QVERIFY2(text.startsWith("The file was read") && text.contains("more than 20 rows of data")
                     && !text.contains("could not"),
                 qPrintable(text));
        QCOMPARE(grid.TextMatrix(1, 1), kept);

        // A data line that is not a pair is refused with its number, not
        // taken for a header; the grid keeps what it held.
        writeFile(file, "1.5e0x;2\r3;4\r");
        resetFileDialogs({file});
        resetMessages();
        trigger("mnuFileOpenData");
        QCOMPARE(scriptedMessages().titles(), QStringList{"Open Failed"});
        QVERIFY2(scriptedMessages().texts().first().endsWith("Line 1: '1.5e0x' is not a number."),
                 qPrintable(scriptedMessages().texts().first()));
        QCOMPARE(grid.TextMatrix(1, 1), kept);
    }

    void gridCellsPasteAndCopyInTheUsersLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        frmScatchard &form = *appWindows().scatchard;
        form.showInFront();
        EditableGrid &grid = *form.flgInputScatchard;
        grid.setCurrent(2, 1);
        QApplication::clipboard()->setText("1.5\t2,5\r\n3\tabc\r\n");
        ClipboardCommands::paste(&grid);
        QCOMPARE(grid.TextMatrix(2, 1), QStringLiteral("1,5"));
        QCOMPARE(grid.TextMatrix(2, 2), QStringLiteral("2,5"));
        QCOMPARE(grid.TextMatrix(3, 1), QStringLiteral("3"));
        QCOMPARE(grid.TextMatrix(3, 2), QStringLiteral("abc"));

        // The grid's rows 2 and 3 are the table's rows 1 and 2 under the heading.
        grid.setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1), true);
        ClipboardCommands::copy(&grid);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1,5\t2,5\n3\tabc"));
        ClipboardCommands::cut(&grid);
        QCOMPARE(grid.TextMatrix(3, 2), QString());
        QCOMPARE(grid.TextMatrix(2, 1), QString());

        // Two rows pasted at the last row: a message and no cell written.
        grid.setCurrent(20, 1);
        QApplication::clipboard()->setText("7\t8\n9\t10");
        ClipboardCommands::paste(&grid);
        QCOMPARE(scriptedMessages().titles(), QStringList{"Too Many Values"});
        QCOMPARE(grid.TextMatrix(20, 1), QString());
    }

    void resultsTableToCsvAndClipboard()
    {
        resetFileDialogs({tempPath("none.csv")});
        trigger("mnuTableExportRun");
        QVERIFY(scriptedMessages().texts().value(0).contains("no simulation results"));
        QVERIFY(!QFile::exists(tempPath("none.csv")));

        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        writeAwkwardResults(modVornish::ResultsFilePath(), 100);
        frm_dbResults_DynamVn &browser = *appWindows().results;
        browser.ShowResults();
        browser.cmbWhichTable->setCurrentIndex(1);
        const QString table = tempPath("tableB.csv"), run = tempPath("run.csv");
        resetFileDialogs({table, run});
        trigger("mnuFileExportData");
        trigger("mnuTableExportRun");
        // Both in the units the graph shows, after the same lines on the run.
        const QStringList tableLines = readAll(table).split("\r\n", Qt::SkipEmptyParts);
        const QStringList runLines = readAll(run).split("\r\n", Qt::SkipEmptyParts);
        const QString units = QStringLiteral("concentrations in %1, times in %2")
                                  .arg(Session::current().concentrationUnit(), Session::current().timeUnit());
        for (const QStringList &lines : {tableLines, runLines}) {
            QVERIFY2(lines[0].startsWith("# Simulation of A + B <=> [A/B]") && lines[0].endsWith(units),
                     qPrintable(lines[0]));
            QCOMPARE(lines.size() - lines.filter(QRegularExpression("^#")).size(), 101);
        }
        const int header = int(tableLines.indexOf(QRegularExpression("^Time.*")));
        QCOMPARE(tableLines[header], QStringLiteral("Time (%1),[B] (%2),d[B]/dt (%2/%1)")
                                         .arg(Session::current().timeUnit(), Session::current().concentrationUnit()));
        QCOMPARE(runLines.filter(QRegularExpression("^Time")).first().split(',').mid(3, 2),
                 tableLines[header].split(',').mid(1));
        // Row 3 of B: time 2 x 0.1 s, concentration 2e-9 / 5 M, in the shown units.
        const double seconds = Session::current().timeFactor(), molar = Session::current().concentrationFactor();
        QCOMPARE(tableLines[header + 3].section(',', 0, 0).toDouble(), 2 * 0.1 / seconds);
        QCOMPARE(tableLines[header + 3].section(',', 1, 1).toDouble(), 2e-9 / 5 / molar);

        browser.grdDataGrid->selectionModel()->select(browser.grdDataGrid->model()->index(1, 0),
                                                      QItemSelectionModel::ClearAndSelect);
        ClipboardCommands::copy(browser.grdDataGrid);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0,1"));
    }

    void reportAsPdfWithoutAPrinter()
    {
        program.vornish("10", "20", "5");
        PrinterDialog::setPrinterCheck([] { return false; });
        const QString pdf = tempPath("report.pdf");
        resetFileDialogs({pdf});
        program.main->mnuFilePrint_Click();
        QCOMPARE(scriptedMessages().shown.value(0).buttons, Messages::Buttons::YesNo);
        frmPrintOptions &print = *appWindows().print;
        QVERIFY(print.isVisible());
        print.chkPrintInfo->setChecked(true);
        print.cmdPrint_Click();
        QVERIFY(!print.isVisible());
        const QString text = pdfLayoutText(pdf);
        verifyContainsWords(text, {"Total A:", "Kd:", program.vornish().txtAB->text()});
        verifyContainsWords(text, {program.graph().lblX_axis->text()});
    }
};

VORNISH_TEST(ExchangeCommandTest)

#include "tst_exchange_commands.moc"
