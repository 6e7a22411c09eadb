#include "RunningProgram.h"
#include "TestMain.h"

#include "equilibrium/frmVnTlAssistant.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

class EquilibriumWindowTest : public QObject
{
    Q_OBJECT

    RunningProgram program;
    frmVornish *tool = nullptr;

    QLineEdit *field(const char *name) { return tool->findChild<QLineEdit *>(QLatin1String(name)); }

    void type(const char *name, const QString &text) { typeInto(field(name), text); }

    QStringList shownFields()
    {
        QStringList texts;
        for (const char *name : {"txtA", "txtA_tot", "txtB", "txtB_tot", "txtAB", "txtKd"})
            texts << field(name)->text();
        return texts;
    }

private slots:
    void init()
    {
        program.start();
        program.main->mnuVnVornish_Click();
        tool = &program.vornish();
        QVERIFY(tool->isVisible());
    }

    void cleanup()
    {
        program.stop();
        QLocale::setDefault(QLocale::c());
    }

    // The captions as the user reads them, Enter on Vornish, and the tab order.
    void captionsAndTabOrder()
    {
        frmVnTlAssistant *assistant = appWindows().vornishAssistant;
        QCOMPARE(assistant->windowTitle(), QStringLiteral("Equilibrium Tool Assistant"));
        QCOMPARE(assistant->findChild<QLabel *>("lblA_tot")->text(), QStringLiteral("Total A"));
        QVERIFY(tool->cmdVornish->isDefault());
        QCOMPARE(tool->windowTitle(), QStringLiteral("Equilibrium Tool"));
        QCOMPARE(tool->findChild<QLabel *>("lblInputHeading")->text(),
                 QStringLiteral("Component   Concentration /                       Value (nM)"));
        QCOMPARE(tool->findChild<QLabel *>("lblB_tot")->text(), QStringLiteral("Total B (B+ AB)"));
        QCOMPARE(tool->findChild<QPushButton *>("cmdVnTlAssistant")->toolTip(),
                 QStringLiteral("How to vornish? The Equilibrium Tool Assistant helps..."));
        QStringList order;
        QWidget *w = field("txtA");
        for (int i = 0; i < 11; ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            order << w->objectName();
        }
        QCOMPARE(order, (QStringList{"txtA", "txtA_tot", "txtB", "txtB_tot", "txtAB", "txtKd", "cmdVornish",
                                     "cmdOptions", "cmdClearForm", "cmdClose", "cmdVnTlAssistant"}));
    }

    // Totals of 10 nM and Kd 1 nM give [A/B] = (21 - sqrt(41)) / 2 nM; a
    // negative A is shown as its magnitude and used as such.
    void enterComputesTheWorkedExample()
    {
        type("txtA_tot", "10");
        type("txtB_tot", "10");
        type("txtKd", "1");
        QTest::keyClick(field("txtKd"), Qt::Key_Return);
        QCOMPARE(shownFields(), (QStringList{"2.701562", "10.0", "2.701562", "10.0", "7.298438", "1.0"}));
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(StatusText::current(), QString());

        QTest::mouseClick(tool->cmdClearForm, Qt::LeftButton);
        type("txtA", "-5");
        type("txtB", "2");
        type("txtAB", "3");
        QTest::mouseClick(tool->cmdVornish, Qt::LeftButton);
        QCOMPARE(field("txtA")->text(), QStringLiteral("5.0"));
        QCOMPARE(field("txtKd")->text(), QStringLiteral("3.333333"));
    }

    void inputErrorsShowTheirMessagesAndKeepTheFields()
    {
        const QString invalid = QStringLiteral("Input is not valid"), numeric = QStringLiteral("Enter numeric values.");
        const struct
        {
            QStringList texts;
            QString title, start;
        } cases[] = {
            {{"", "10", "", "10", "", ""}, "Data Input Error", "Input does not meet program requirements."},
            {{"", "10", "", "10", "", "0"}, invalid, "Concentrations should be greater than zero.\r\nCheck whether"},
            {{"3", "3", "1", "", "", ""}, invalid, "The concentration of 'Total A' or 'Total B' cannot be lower"},
            {{"2", "10", "", "5", "", ""}, invalid, "The concentration of 'Total A' minus that of 'A'"},
            {{"", "1e400", "", "10", "", "1"}, invalid, numeric},          // a number beyond the largest
            {{"1e300", "", "1e300", "", "", "1e-300"}, invalid, numeric},  // a result that overflows the unit
            {{"1e-200", "", "1e-200", "", "1e200", ""}, invalid, numeric}, // Kd below the smallest double
        };
        const char *names[] = {"txtA", "txtA_tot", "txtB", "txtB_tot", "txtAB", "txtKd"};
        for (const auto &c : cases) {
            resetMessages();
            for (int i = 0; i < 6; ++i)
                type(names[i], c.texts[i]);
            QTest::mouseClick(tool->cmdVornish, Qt::LeftButton);
            QCOMPARE(scriptedMessages().shown.size(), 1);
            const Messages::Request &shown = scriptedMessages().shown.first();
            QCOMPARE(shown.title, c.title);
            QVERIFY2(shown.text.startsWith(c.start), qPrintable(shown.text));
            QCOMPARE(shown.icon, Messages::Icon::Exclamation);
            QCOMPARE(shown.buttons, Messages::Buttons::Ok);
            QCOMPARE(StatusText::current(), QString());
            if (c.start != numeric)
                QCOMPARE(shownFields(), c.texts);
            for (const QString &text : shownFields())
                QVERIFY(!text.contains("inf", Qt::CaseInsensitive) && !text.contains("nan", Qt::CaseInsensitive));
        }
    }

    // Under a decimal comma "0.5" is 0,5 as in the Scatchard grid (digits
    // are never grouped), and what the tool writes it reads back.
    void decimalCommaLocaleReadsBackWhatItWrites()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        type("txtA_tot", "2,5");
        type("txtB_tot", "10");
        type("txtKd", "0.5");
        QTest::keyClick(field("txtKd"), Qt::Key_Return);
        QCOMPARE(field("txtA_tot")->text(), QStringLiteral("2,5"));
        QCOMPARE(field("txtKd")->text(), QStringLiteral("0,5"));
        const QStringList first = shownFields();
        QTest::keyClick(field("txtKd"), Qt::Key_Return); // everything it wrote is read back unchanged
        QCOMPARE(shownFields(), first);
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    void assistantFollowsTheFields()
    {
        frmVnTlAssistant *assistant = appWindows().vornishAssistant;
        QLabel *suggestion = assistant->findChild<QLabel *>("lblInputSuggestion");
        // The guidance is read whole in the window's fixed size.
        const auto showsWhole = [suggestion] {
            QApplication::processEvents();
            return suggestion->heightForWidth(suggestion->contentsRect().width())
                   <= suggestion->contentsRect().height();
        };
        QTest::mouseClick(tool->cmdVnTlAssistant, Qt::LeftButton);
        QVERIFY(assistant->isVisible());
        QVERIFY(suggestion->text().startsWith("Enter values (concentration) for three variables"));
        QVERIFY(showsWhole());
        type("txtKd", "1");
        QVERIFY(suggestion->text().contains("e.g. Total A and Total B"));
        type("txtA_tot", "10");
        type("txtB_tot", "10");
        QTest::keyClick(field("txtB_tot"), Qt::Key_Return);
        QVERIFY(suggestion->text().startsWith("You can make changes and Vornish again."));
        QVERIFY(!assistant->isVisible()); // the graph hides it when drawn
        QTest::mouseClick(tool->cmdVnTlAssistant, Qt::LeftButton);
        QVERIFY(showsWhole());
        QTest::mouseClick(tool->cmdClearForm, Qt::LeftButton);
        QVERIFY(suggestion->text().startsWith("Enter values (concentration) for three variables"));
        QCOMPARE(shownFields(), QStringList(6));
    }

    void closeKeepsTheFields()
    {
        type("txtKd", "4");
        QTest::mouseClick(tool->cmdClose, Qt::LeftButton);
        QVERIFY(!tool->isVisible());
        program.main->action("mnuVnVornish")->trigger();
        QVERIFY(tool->isVisible());
        QCOMPARE(field("txtKd")->text(), QStringLiteral("4"));
    }
};

VORNISH_TEST(EquilibriumWindowTest)
#include "tst_equilibrium_window.moc"
