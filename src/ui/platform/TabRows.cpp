#include "platform/TabRows.h"

#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

TabRows::TabRows(QTabWidget *pages, int mostRows, QWidget *parent)
    : QWidget(parent)
    , m_pages(pages)
    , m_mostRows(mostRows)
{
    m_pages->tabBar()->hide();
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    connect(m_pages, &QTabWidget::currentChanged, this, qOverload<>(&QWidget::update));
}

QSize TabRows::tabSize(int index) const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = m_pages->tabText(index);
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, option.text);
    const QSize contents(text.width() + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this),
                         text.height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this));
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
}

int TabRows::rowHeight() const
{
    int height = 0;
    for (int i = 0; i < m_pages->count(); ++i)
        height = std::max(height, tabSize(i).height());
    return height;
}

QList<QList<int>> TabRows::rows(int width) const
{
    // Filled in order, a row taking tabs while they fit: the fewest rows.
    const int count = m_pages->count();
    QList<QList<int>> packed;
    int used = 0;
    for (int i = 0; i < count; ++i) {
        const int tabWidth = tabSize(i).width();
        if (packed.isEmpty() || used + tabWidth > width) {
            packed.append(QList<int>());
            used = 0;
        }
        packed.last().append(i);
        used += tabWidth;
    }
    // The same number of tabs in every row where they fit so: tidier than a
    // last row with a lone tab stretched across the dialog.
    const int perRow = packed.isEmpty() ? 0 : (count + int(packed.size()) - 1) / int(packed.size());
    QList<QList<int>> even;
    for (int i = 0; i < count; ++i) {
        if (i % perRow == 0)
            even.append(QList<int>());
        even.last().append(i);
    }
    for (const QList<int> &row : even) {
        int rowWidth = 0;
        for (int i : row)
            rowWidth += tabSize(i).width();
        if (rowWidth > width)
            return packed;
    }
    return even;
}

QRect TabRows::tabRect(int index) const
{
    QList<QList<int>> all = rows(width());
    // The chosen tab's row stands next to the pages, as its tab opens onto its page.
    for (int r = 0; r < all.size(); ++r)
        if (all[r].contains(m_pages->currentIndex()))
            all.append(all.takeAt(r));
    for (int r = 0; r < all.size(); ++r) {
        const QList<int> &row = all[r];
        if (!row.contains(index))
            continue;
        // The tabs of a row share out the room left over, so that each row spans the width.
        int natural = 0;
        for (int i : row)
            natural += tabSize(i).width();
        const int spare = std::max(0, width() - natural);
        int left = 0;
        for (int k = 0; k < row.size(); ++k) {
            const int extra = spare * (k + 1) / int(row.size()) - spare * k / int(row.size());
            const int tabWidth = tabSize(row[k]).width() + extra;
            if (row[k] == index)
                return QRect(left, r * rowHeight(), tabWidth, rowHeight());
            left += tabWidth;
        }
    }
    return QRect();
}

QStyleOptionTab TabRows::tabOption(int index) const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = m_pages->tabText(index);
    option.rect = tabRect(index);
    option.row = 0;
    option.position = QStyleOptionTab::Middle;
    if (index == m_pages->currentIndex())
        option.state |= QStyle::State_Selected;
    else
        option.state &= ~QStyle::State_Selected;
    return option;
}

int TabRows::heightForWidth(int width) const
{
    return int(rows(width).size()) * rowHeight();
}

QSize TabRows::sizeHint() const
{
    int natural = 0;
    for (int i = 0; i < m_pages->count(); ++i)
        natural += tabSize(i).width();
    return QSize(natural, rowHeight());
}

QSize TabRows::minimumSizeHint() const
{
    // One tab to a row at the least; the height follows the width.
    int widest = 0;
    for (int i = 0; i < m_pages->count(); ++i)
        widest = std::max(widest, tabSize(i).width());
    if (m_mostRows <= 0)
        return QSize(widest, rowHeight());
    // The least width for the rows allowed: fewer rows never need less width.
    int enough = std::max(widest, sizeHint().width());
    while (widest < enough) {
        const int middle = (widest + enough) / 2;
        if (int(rows(middle).size()) <= m_mostRows)
            enough = middle;
        else
            widest = middle + 1;
    }
    return QSize(enough, int(rows(enough).size()) * rowHeight());
}

void TabRows::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    for (int i = 0; i < m_pages->count(); ++i)
        if (i != m_pages->currentIndex())
            painter.drawControl(QStyle::CE_TabBarTab, tabOption(i));
    // The chosen tab last, as it overlaps its neighbours.
    if (m_pages->currentIndex() >= 0)
        painter.drawControl(QStyle::CE_TabBarTab, tabOption(m_pages->currentIndex()));
}

void TabRows::mousePressEvent(QMouseEvent *event)
{
    for (int i = 0; i < m_pages->count(); ++i)
        if (tabRect(i).contains(event->position().toPoint())) {
            m_pages->setCurrentIndex(i);
            return;
        }
    QWidget::mousePressEvent(event);
}
