#include "shell/MainPlacement.h"

#include "platform/SettingsStore.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

const QString kApp = QStringLiteral("Vornish");
const QString kSettings = QStringLiteral("Settings");

QRectF toTwips(const QRect &pixels)
{
    return QRectF(Twips::fromPixelsX(pixels.x()), Twips::fromPixelsY(pixels.y()), Twips::fromPixelsX(pixels.width()),
                  Twips::fromPixelsY(pixels.height()));
}

// The screen area free for the window where the placement starts, in twips,
// as a placement gives it: the frame's top left corner (as QWidget::move
// takes it) and the size of the client area, which has the area less the
// frame's thickness, as far as the frame is known (once the window is shown).
QRectF availableArea(const QWidget &window, const QRectF &placement)
{
    const QPoint start(Twips::toPixelsX(placement.left()), Twips::toPixelsY(placement.top()));
    const QScreen *screen = QGuiApplication::screenAt(start);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return placement;
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    return toTwips(screen->availableGeometry().adjusted(0, 0, -frame.width(), -frame.height()));
}

} // namespace

QRectF MainPlacement::fitted(const QRectF &stored, const QRectF &available, const QSizeF &minimum)
{
    const auto fit = [](double value, double least, double most) {
        return std::clamp(value, std::min(least, most), most);
    };
    const double width = fit(stored.width(), minimum.width(), available.width());
    const double height = fit(stored.height(), minimum.height(), available.height());
    const double left = fit(stored.left(), available.left(), available.right() - width);
    const double top = fit(stored.top(), available.top(), available.bottom() - height);
    return QRectF(left, top, width, height);
}

void MainPlacement::restore(QWidget &window)
{
    const auto read = [](const char *key, float defaultValue) {
        return double(SettingsStore::readSingle(kApp, kSettings, QLatin1String(key), defaultValue));
    };
    const QRectF stored(read("MainLeft", 0), read("MainTop", 0), read("MainWidth", DefaultWidth),
                        read("MainHeight", DefaultHeight));
    place(window, usable(window, stored));
}

void MainPlacement::fitFrame(QWidget &window)
{
    const QRectF now = current(window);
    const QRectF fit = usable(window, now);
    if (fit != now)
        place(window, fit);
}

QRectF MainPlacement::usable(const QWidget &window, const QRectF &twips)
{
    return fitted(twips, availableArea(window, twips), toTwips(QRect(QPoint(), window.minimumSizeHint())).size());
}

void MainPlacement::resize(QWidget &window, double width, double height)
{
    const QRectF now = current(window);
    place(window, QRectF(now.left(), now.top(), width, height));
}

void MainPlacement::place(QWidget &window, const QRectF &twips)
{
    m_twips = twips;
    m_pixels = Twips::toPixels(twips.left(), twips.top(), twips.width(), twips.height());
    window.move(m_pixels.topLeft());
    window.resize(m_pixels.size());
}

QRectF MainPlacement::current(const QWidget &window) const
{
    const auto value = [](int now, int placed, double placedTwips, double nowTwips) {
        return now == placed ? placedTwips : nowTwips;
    };
    return QRectF(value(window.x(), m_pixels.x(), m_twips.left(), Twips::fromPixelsX(window.x())),
                  value(window.y(), m_pixels.y(), m_twips.top(), Twips::fromPixelsY(window.y())),
                  value(window.width(), m_pixels.width(), m_twips.width(), Twips::fromPixelsX(window.width())),
                  value(window.height(), m_pixels.height(), m_twips.height(), Twips::fromPixelsY(window.height())));
}

void MainPlacement::store(const QWidget &window) const
{
    const QRectF twips = current(window);
    const auto write = [](const char *key, double value) {
        SettingsStore::write(kApp, kSettings, QLatin1String(key), QString::number(float(value), 'g', 9));
    };
    write("MainLeft", twips.left());
    write("MainTop", twips.top());
    write("MainWidth", twips.width());
    write("MainHeight", twips.height());
}
