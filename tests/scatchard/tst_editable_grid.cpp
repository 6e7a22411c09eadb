#include "tst_scatchard.h"

#include "platform/EditableGrid.h"

#include <QLineEdit>
#include <QSignalSpy>

namespace {

const QString format = QStringLiteral("|^   [AB]  |^[AB]/[A];|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20");

QPoint cellCentre(EditableGrid &grid, int row, int col)
{
    return grid.visualRect(grid.model()->index(row - 1, col - 1)).center();
}

} // namespace

void typeIntoFocus(const QString &text)
{
    for (const QChar ch : text)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
}

void EditableGridTest::init()
{
    container = std::make_unique<QWidget>();
    container->resize(400, 400);
    grid = new EditableGrid(QStringLiteral("flgTest"), format, container.get());
    grid->setGeometry(13, 56, 200, 250);
    container->show();
    QApplication::setActiveWindow(container.get());
    QVERIFY(QTest::qWaitForWindowActive(container.get()));
    grid->setFocus();
}

void EditableGridTest::cleanup()
{
    container.reset();
}

void EditableGridTest::layoutFromFormatText()
{
    QCOMPARE(grid->Rows(), 21);
    QCOMPARE(grid->Cols(), 3);
    QCOMPARE(grid->TextMatrix(0, 1), QStringLiteral("   [AB]  "));
    QCOMPARE(grid->TextMatrix(0, 2), QStringLiteral("[AB]/[A]"));
    QCOMPARE(grid->TextMatrix(20, 0), QStringLiteral("20"));
    QCOMPARE(grid->Row(), 1);
    QCOMPARE(grid->Col(), 1);
    QCOMPARE(grid->editor()->objectName(), QStringLiteral("txtEdit"));
    QVERIFY(!grid->editor()->isVisible());

    EditableGrid small(QStringLiteral("flgSmall"), QStringLiteral("|^   Time  |^ Change;|1|2|3|4"), container.get());
    QCOMPARE(small.Rows(), 5);
    QCOMPARE(small.Cols(), 3);
    QCOMPARE(small.TextMatrix(0, 2), QStringLiteral(" Change"));
}

void EditableGridTest::typingReplacesAndArrowsCommit()
{
    grid->setTextMatrix(1, 1, QStringLiteral("12"));
    QTest::keyClick(grid, Qt::Key_7);
    QLineEdit *editor = grid->editor();
    QVERIFY(editor->isVisible());
    QVERIFY(editor->hasFocus());
    QCOMPARE(editor->text(), QStringLiteral("7"));
    QCOMPARE(editor->cursorPosition(), 1);
    // The editor lies exactly over the cell.
    const QRect cell = grid->visualRect(grid->currentIndex());
    QCOMPARE(editor->geometry(), QRect(grid->viewport()->mapTo(container.get(), cell.topLeft()), cell.size()));
    QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("12"));

    QTest::keyClicks(editor, QStringLiteral(".5"));
    QTest::keyClick(editor, Qt::Key_Right);
    QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("7.5"));
    QVERIFY(!editor->isVisible());
    QCOMPARE(grid->Row(), 1);
    QCOMPARE(grid->Col(), 2);
    QVERIFY(grid->hasFocus());

    typeIntoFocus(QStringLiteral("0.9"));
    QTest::keyClick(grid->editor(), Qt::Key_Down);
    QCOMPARE(grid->TextMatrix(1, 2), QStringLiteral("0.9"));
    QCOMPARE(grid->Row(), 2);
    QCOMPARE(grid->Col(), 2);
}

void EditableGridTest::editingKeysKeepOrDiscard()
{
    grid->setTextMatrix(1, 1, QStringLiteral("12"));
    QLineEdit *editor = grid->editor();

    // Double-click edits the old text with the caret at its end.
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(*grid, 1, 1));
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), QStringLiteral("12"));
    QCOMPARE(editor->cursorPosition(), 2);

    // Enter is swallowed: nothing typed, nothing committed, editor stays.
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), QStringLiteral("12"));
    QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("12"));

    // Esc discards.
    QTest::keyClicks(editor, QStringLiteral("34"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!editor->isVisible());
    QVERIFY(grid->hasFocus());
    QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("12"));

    // Backspace on the grid edits the old text; Space commits what was typed, without a blank.
    QTest::keyClick(grid, Qt::Key_Backspace);
    QCOMPARE(editor->text(), QStringLiteral("12"));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Space);
    QVERIFY(!editor->isVisible());
    QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("1"));
    QCOMPARE(grid->Row(), 1);
    QCOMPARE(grid->Col(), 1);

    // Space and Enter on the grid edit the existing text too.
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(editor->text(), QStringLiteral("1"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(editor->text(), QStringLiteral("1"));
    QVERIFY(editor->isVisible());
}

void EditableGridTest::arrowsStopAtTheEdges()
{
    QLineEdit *editor = grid->editor();
    QSignalSpy navigated(grid, &EditableGrid::editorNavigated);
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
    QCOMPARE(navigated.count(), 4);

    grid->setCurrent(20, 2);
    QTest::keyClick(grid, Qt::Key_B);
    QTest::keyClick(editor, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_C);
    QTest::keyClick(editor, Qt::Key_Left);
    QCOMPARE(grid->TextMatrix(20, 2), QStringLiteral("b"));
    QCOMPARE(grid->TextMatrix(19, 2), QStringLiteral("c"));
    QCOMPARE(grid->Row(), 19);
    QCOMPARE(grid->Col(), 1);
}

void EditableGridTest::cellChangesCommit()
{
    QLineEdit *editor = grid->editor();
    QSignalSpy left(grid, &EditableGrid::editorLeftCell);
    QSignalSpy committed(grid, &EditableGrid::cellCommitted);

    // A click on another cell commits into the cell that was edited.
    typeIntoFocus(QStringLiteral("42"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(*grid, 3, 2));
    QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("42"));
    QCOMPARE(grid->TextMatrix(3, 2), QString());
    QVERIFY(!editor->isVisible());
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.first(), (QList<QVariant>{1, 1}));

    // So does a cell change made by the program, with the editor still focused.
    QTest::keyClick(grid, Qt::Key_9);
    QVERIFY(editor->hasFocus());
    grid->setCurrent(5, 1);
    QCOMPARE(grid->TextMatrix(3, 2), QStringLiteral("9"));
    QCOMPARE(left.count(), 1);

    // Without a visible editor a cell change writes nothing.
    grid->setCurrent(6, 1);
    QCOMPARE(committed.count(), 2);
    QCOMPARE(left.count(), 1);
}
