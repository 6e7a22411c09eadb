#pragma once

#include <QList>
#include <QWidget>

class QStyleOptionTab;
class QTabWidget;

// The tabs of a tabbed dialog in as many rows as their captions need, so
// that every caption is seen whole at the dialog's size (a single row would
// scroll some out of sight). It stands in for the tab widget's own bar,
// which it hides: put it right above the tab widget. Clicking a tab shows
// its page; the tab widget keeps the pages, the current index and its keys.
class TabRows : public QWidget
{
    Q_OBJECT

public:
    // mostRows, when above 0, is the most rows the tabs may take: the widget
    // is never narrower than they need for it (a dialog short of height
    // grows wider rather than taller).
    explicit TabRows(QTabWidget *pages, int mostRows = 0, QWidget *parent = nullptr);

    // Where the tab of a page is drawn, in this widget.
    QRect tabRect(int index) const;
    // The style's drawing of that tab, as paintEvent uses it.
    QStyleOptionTab tabOption(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // Page indexes by row, top row first, for a given width.
    QList<QList<int>> rows(int width) const;
    QSize tabSize(int index) const;
    int rowHeight() const;

    QTabWidget *m_pages;
    int m_mostRows;
};
