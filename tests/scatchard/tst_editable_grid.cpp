#include "ScatchardTesting.h"

#include "platform/EditableGrid.h"

#include <QLineEdit>
#include <QSignalSpy>

// The grid alone, driven by real key presses and clicks.
class EditableGridTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> container;
    EditableGrid *grid = nullptr;
    QLineEdit *editor = nullptr;

private slots:
    void init()
    {
        container = std::make_unique<QWidget>();
        container->resize(400, 400);
        grid = new EditableGrid(QStringLiteral("flgTest"),
                                QStringLiteral("|^   [AB]  |^[AB]/[A];|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20"),
                                container.get());
        grid->setGeometry(13, 56, 200, 250);
        editor = grid->editor();
        container->show();
        QApplication::setActiveWindow(container.get());
        QVERIFY(QTest::qWaitForWindowActive(container.get()));
        grid->setFocus();
    }

    void cleanup() { container.reset(); }

    void layoutFromFormatText()
    {
        QCOMPARE(grid->Rows(), 21);
        QCOMPARE(grid->Cols(), 3);
        QCOMPARE(grid->TextMatrix(0, 1), QStringLiteral("   [AB]  "));
        QCOMPARE(grid->TextMatrix(20, 0), QStringLiteral("20"));
        QCOMPARE(grid->Row(), 1);
        QCOMPARE(grid->Col(), 1);
        QCOMPARE(editor->objectName(), QStringLiteral("txtEdit"));
        EditableGrid small(QStringLiteral("flgSmall"), QStringLiteral("|^   Time  |^ Change;|1|2|3|4"), container.get());
        QCOMPARE(small.Rows(), 5);
    }

    void editingKeys()
    {
        grid->setTextMatrix(1, 1, QStringLiteral("12"));
        // A typed character replaces the text, in an editor over the cell.
        QTest::keyClick(grid, Qt::Key_7);
        QVERIFY(editor->isVisible() && editor->hasFocus());
        QCOMPARE(editor->text(), QStringLiteral("7"));
        QCOMPARE(editor->cursorPosition(), 1);
        const QRect cell = grid->visualRect(grid->currentIndex());
        QCOMPARE(editor->geometry(), QRect(grid->viewport()->mapTo(container.get(), cell.topLeft()), cell.size()));
        QTest::keyClick(editor, Qt::Key_Escape);
        // Double-click edits the old text, caret at its end.
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->currentIndex()).center());
        QCOMPARE(editor->text(), QStringLiteral("12"));
        QCOMPARE(editor->cursorPosition(), 2);
        // Enter types nothing and commits nothing; Esc discards.
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(editor->isVisible());
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("12"));
        typeIntoFocus(QStringLiteral("34"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!editor->isVisible() && grid->hasFocus());
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("12"));
        // Backspace on the grid edits the old text; Space commits without a blank.
        QTest::keyClick(grid, Qt::Key_Backspace);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClick(editor, Qt::Key_Space);
        QVERIFY(!editor->isVisible());
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("1"));
        QCOMPARE(grid->Row(), 1);
        QVERIFY(grid->hasFocus());
    }

    void arrowsStopAtTheEdges()
    {
        const struct { int row, col; Qt::Key key; } edges[] = {
            {1, 1, Qt::Key_Up}, {1, 1, Qt::Key_Left}, {20, 2, Qt::Key_Down}, {20, 2, Qt::Key_Right}};
        for (const auto &edge : edges) {
            grid->setCurrent(edge.row, edge.col);
            QTest::keyClick(grid, Qt::Key_A);
            QTest::keyClick(editor, edge.key);
            QCOMPARE(grid->Row(), edge.row);
            QCOMPARE(grid->Col(), edge.col);
            QCOMPARE(grid->TextMatrix(edge.row, edge.col), QStringLiteral("a"));
        }
        QTest::keyClick(grid, Qt::Key_B);
        QTest::keyClick(editor, Qt::Key_Up);
        QTest::keyClick(grid, Qt::Key_C);
        QTest::keyClick(editor, Qt::Key_Left);
        QCOMPARE(grid->TextMatrix(20, 2), QStringLiteral("b"));
        QCOMPARE(grid->TextMatrix(19, 2), QStringLiteral("c"));
        QCOMPARE(grid->Col(), 1);
    }

    void cellChangesCommit()
    {
        QSignalSpy committed(grid, &EditableGrid::cellCommitted);
        // A click on another cell commits into the cell that was edited.
        typeIntoFocus(QStringLiteral("42"));
        clickCell(*grid, 3, 2);
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("42"));
        QCOMPARE(grid->TextMatrix(3, 2), QString());
        QCOMPARE(committed.first(), (QList<QVariant>{1, 1}));
        // So does a cell change made by the program, the editor still focused.
        QTest::keyClick(grid, Qt::Key_9);
        grid->setCurrent(5, 1);
        QCOMPARE(grid->TextMatrix(3, 2), QStringLiteral("9"));
        // Without an open editor a cell change writes nothing.
        grid->setCurrent(6, 1);
        QCOMPARE(committed.count(), 2);
    }
};

int runEditableGridTests(int argc, char *argv[])
{
    EditableGridTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_editable_grid.moc"
