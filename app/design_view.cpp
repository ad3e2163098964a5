// SPDX-License-Identifier: GPL-3.0-or-later
// The design view: the 640 x 480 design drawn at its scale, frames shown band by band, clicks
// mapped back to design pixels, full screen.
#include "app/design_view.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <vector>

#include "render/region.h"

namespace zembrik {

namespace {

constexpr QSize kDesign(kWindowW, kWindowH);

// The device pixels a window rectangle covers at the given device pixel ratio.
QRect toDevice(const QRect& r, qreal dpr) {
    if (dpr == 1.0) return r;
    const int x1 = static_cast<int>(std::floor(r.left() * dpr));
    const int y1 = static_cast<int>(std::floor(r.top() * dpr));
    const int x2 = static_cast<int>(std::ceil((r.right() + 1) * dpr));
    const int y2 = static_cast<int>(std::ceil((r.bottom() + 1) * dpr));
    return {x1, y1, x2 - x1, y2 - y1};
}

// The cursor a design widget asks for: its own or its nearest ancestor's below the design
// surface, the arrow when none asks.
QCursor designCursor(const QWidget* w, const QWidget* surface) {
    for (; w && w != surface; w = w->parentWidget())
        if (w->testAttribute(Qt::WA_SetCursor)) return w->cursor();
    return QCursor(Qt::ArrowCursor);
}

// The tooltip of a design widget: its own or its nearest ancestor's below the design surface;
// `shows` is set to the widget it belongs to.
QString designToolTip(const QWidget* w, const QWidget* surface, const QWidget*& shows) {
    for (; w && w != surface; w = w->parentWidget())
        if (!w->toolTip().isEmpty()) {
            shows = w;
            return w->toolTip();
        }
    return {};
}

// A tooltip in lines of at most about 60 average characters, so a long one does not run across
// the screen (the toolkit wraps only rich text, and only as it likes).
QString wrappedToolTip(const QString& text) {
    const QFontMetrics fm(QToolTip::font());
    const int most = fm.averageCharWidth() * 60;
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && fm.horizontalAdvance(longer) > most) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}

// Calls put(part, image, at) for every part of the design rectangle r with the frame image
// that shows there, `at` being where that image's top-left lies in the design: the window
// image, except under the well (when shown), and the delay bar over both. Plain rectangle
// arithmetic: region operations cost more than the copies on the thin bands of a frame.
template <class Put> void forFrameParts(const Frame& f, bool wellShown, const QRect& r, Put put) {
    const QRect well = wellShown ? QRect(QPoint(kWellX, kWellY), f.p2.size()) : QRect();
    const QRect bar(QPoint(kBarX, kBarY), f.ptls.size());
    const auto part = [&put](const QRect& c, const QImage& img, QPoint at) {
        if (!c.isEmpty()) put(c, img, at);
    };
    const QRect inWell = r & well;
    if (inWell.isEmpty()) {
        part(r, f.window, QPoint(0, 0));
    } else {
        // The parts of r above, below, left and right of the well.
        part(QRect(QPoint(r.left(), r.top()), QPoint(r.right(), inWell.top() - 1)), f.window,
             QPoint(0, 0));
        part(QRect(QPoint(r.left(), inWell.bottom() + 1), QPoint(r.right(), r.bottom())), f.window,
             QPoint(0, 0));
        part(QRect(QPoint(r.left(), inWell.top()), QPoint(inWell.left() - 1, inWell.bottom())),
             f.window, QPoint(0, 0));
        part(QRect(QPoint(inWell.right() + 1, inWell.top()), QPoint(r.right(), inWell.bottom())),
             f.window, QPoint(0, 0));
        part(inWell, f.p2, well.topLeft());
    }
    part(r & bar, f.ptls, bar.topLeft());
}

} // namespace

DesignView::DesignView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(kDesign);
    resize(kDesign);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // the pointer takes the cursor of the design widget under it
    // The design's widgets live on a surface that is never shown: paintEvent draws them.
    design_ = new QWidget(this);
    design_->setGeometry(QRect(QPoint(), kDesign));
    design_->setAttribute(Qt::WA_NoMousePropagation); // unwanted clicks stop here
    design_->hide();
    // The design's texts are drawn at 1x and enlarged with the rest, so on a screen of any
    // device pixel ratio each design pixel is a block of the 1x frame. Qt drops hinting by
    // default once its high-density scaling is on; the slight hinting asked for here is the
    // one fontconfig gives text at a ratio of 1, so the texts come out the same at any ratio.
    QFont f = design_->font();
    f.setHintingPreference(QFont::PreferVerticalHinting);
    design_->setFont(f);
}

DesignView::~DesignView() = default;

DesignPlacement DesignView::placement() const {
    const qreal dpr = devicePixelRatio();
    const QSize client = toDevice(rect(), dpr).size();
    return fillScaling() ? fillDesign(client, kDesign) : placeDesign(client, kDesign);
}

std::optional<QPoint> DesignView::designPointAt(QPointF pos) const {
    return zembrik::designPointAt(pos * devicePixelRatio(), placement(), kDesign);
}

QRect DesignView::windowRectOf(const QRect& r) const {
    const qreal dpr = devicePixelRatio();
    const QRect d = clientRectOf(r, placement());
    if (dpr == 1.0) return d;
    return QRectF(d.x() / dpr, d.y() / dpr, d.width() / dpr, d.height() / dpr).toAlignedRect();
}

void DesignView::updateDesign(const QRect& r) {
    update(windowRectOf(r));
}

void DesignView::repaintDesign(const QRect& r) {
    repaint(windowRectOf(r));
}

void DesignView::repaintDesign(const QRegion& r) {
    if (placement() == DesignPlacement{} && devicePixelRatio() == 1.0) {
        repaint(r); // the design is the window
        return;
    }
    QRegion w;
    for (const QRect& d : r)
        w += windowRectOf(d);
    repaint(w);
}

void DesignView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        normalSize_ = size();
}

void DesignView::toggleFullScreen() {
    if (!isFullScreen()) {
        if (!isMaximized()) normalSize_ = size();
        beforeFullScreen_ = windowState();
        showFullScreen();
        return;
    }
    // Back as it was; not every window system remembers a size the window never had on screen
    // (a window that opened full screen).
    if (beforeFullScreen_ & Qt::WindowMaximized) {
        showMaximized();
        return;
    }
    showNormal();
    if (normalSize_.isValid()) resize(normalSize_);
}

void DesignView::paintDesign(QPainter& p, const QRect& r, const QRegion& widgets) {
    // Under a rectangular clip the painter copies the frame's rows straight, where a region
    // would make it blend them span by span on helper threads.
    forFrameParts(frame_, wellShown(), r, [&p](const QRect& part, const QImage& img, QPoint at) {
        p.setClipRect(part);
        p.drawImage(at, img);
    });
    p.setClipping(false);
    paintPanels(p, r);
    paintWidgets(p, r, widgets);
}

void DesignView::paintWidgets(QPainter& p, const QRect& r, const QRegion& widgets) {
    // Rendering them costs even where none is shown: only where one is.
    const QRegion over = widgets.intersected(r);
    if (!over.isEmpty())
        design_->render(&p, over.boundingRect().topLeft(), over, QWidget::DrawChildren);
}

QRegion DesignView::opaqueWidgets() const {
    QRegion opaque;
    for (const QObject* o : design_->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w && !w->isHidden() && w->autoFillBackground() &&
            w->palette().color(w->backgroundRole()).alpha() == 255)
            opaque += w->geometry();
    }
    return opaque;
}

QRegion DesignView::shownWidgets() const {
    QRegion shown;
    for (const QObject* o : design_->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        // The well's stand-in draws nothing: the well comes from the frame.
        if (w && !w->isHidden() && w != wellStandIn_) shown += w->geometry();
    }
    return shown;
}

void DesignView::paintDesignImage(const QRect& d, const QRegion& widgets) {
    if (designImg_.isNull()) {
        designImg_ = QImage(kDesign, QImage::Format_RGB32);
        // Text in the design keeps the size it has on a 1x window.
        designImg_.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        designImg_.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    }
    QPainter ip(&designImg_);
    paintDesign(ip, d, widgets);
}

void DesignView::paintDesignInto(QImage& image, QPoint origin, const DesignPlacement& at,
                                 const QRect& d, const QRegion& widgets,
                                 const std::function<QPainter&()>& painter) {
    if (!at.fill.isEmpty()) {
        // Fill, at any factor: composed at 1x, then each device pixel takes the design pixel
        // it shows.
        paintDesignImage(d, widgets);
        scaleToFill(designImg_, clientRectOf(d, at), at, image, origin);
        return;
    }
    const PanelsOver over = panelsOver(d);
    const bool overlaid = over.pause || over.summary || widgets.intersects(d);
    if (at.scale != 1 && overlaid) {
        // Text and panels are drawn at 1x and enlarged with the rest.
        paintDesignImage(d, widgets);
        scaleUp(designImg_, d, at.scale, image, origin + at.offset);
        return;
    }
    // The frame's rows copied (and enlarged) straight into the window's image, no painter
    // between: a frame's changes are dozens of thin bands, and clipping a painter to each of
    // them costs more than the copies (the clip is intersected with the whole region).
    forFrameParts(frame_, wellShown(), d, [&](const QRect& part, const QImage& img, QPoint from) {
        scaleUp(img, part.translated(-from), at.scale, image, origin + at.offset + from * at.scale);
    });
    if (!overlaid) return;
    QPainter& p = painter();
    p.save();
    p.translate(at.offset);
    paintPanels(p, d);
    paintWidgets(p, d, widgets);
    p.restore();
}

bool DesignView::showFrameDirect(const QRegion& changed) {
    // A repaint would do the same through the widgets' repaint machinery (its region
    // bookkeeping, a paint event, a painter begun on the whole window), which cost more than
    // the frame's drawing and copying together: about a third of the CPU of play. The backing
    // store is the same one the paint events draw into, so they and these frames agree.
    // Where it is not a plain image of the window's size on an unscaled screen, or the window
    // is not on screen, the repaint does it.
    QBackingStore* store = backingStore();
    QWindow* win = windowHandle();
    if (store == nullptr || win == nullptr || !win->isExposed() || devicePixelRatio() != 1.0 ||
        store->size() != size())
        return false;
    if (changed.isEmpty()) return true;
    const DesignPlacement at = placement();
    QRegion onWindow = changed;
    if (at != DesignPlacement{}) {
        std::vector<QRect> rects;
        rects.reserve(static_cast<size_t>(changed.rectCount()));
        for (const QRect& d : changed)
            rects.push_back(clientRectOf(d, at));
        onWindow = regionOf(rects);
    }
    store->beginPaint(onWindow);
    auto* image = dynamic_cast<QImage*>(store->paintDevice());
    const bool usable = image != nullptr && image->size() == size() &&
                        (image->format() == QImage::Format_RGB32 ||
                         image->format() == QImage::Format_ARGB32_Premultiplied);
    if (usable) {
        const QRegion widgets = shownWidgets();
        std::optional<QPainter> painter; // only where a widget or a panel is drawn
        const auto getPainter = [&painter, image]() -> QPainter& {
            if (!painter) painter.emplace(image);
            return *painter;
        };
        for (const QRect& d : changed)
            paintDesignInto(*image, QPoint(), at, d, widgets, getPainter);
    }
    store->endPaint();
    if (usable) store->flush(onWindow, win);
    return usable;
}

bool DesignView::event(QEvent* e) {
    // A modal box (About, a dialog) takes the mouse: no button is held for a design widget.
    if (e->type() == QEvent::WindowBlocked) mouseGrab_ = nullptr;
    if (e->type() == QEvent::ToolTip) {
        // The design's widgets are never on screen themselves: their tooltips are shown here.
        auto* help = static_cast<QHelpEvent*>(e);
        const std::optional<QPoint> under = designPointAt(QPointF(help->pos()));
        const QWidget* shows = nullptr;
        const QString tip =
            under ? designToolTip(design_->childAt(*under), design_, shows) : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            const QRect r(shows->mapTo(design_, QPoint()), shows->size());
            QToolTip::showText(help->globalPos(), wrappedToolTip(tip), this, windowRectOf(r));
        }
        return true;
    }
    return QWidget::event(e);
}

void DesignView::showFrame(const QRegion& changed) {
    if (!showFrameDirect(changed)) repaintDesign(changed);
}

void DesignView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const qreal dpr = devicePixelRatio();
    // Device pixels from here on: the enlarged design is copied one to one.
    if (dpr != 1.0) p.scale(1.0 / dpr, 1.0 / dpr);
    const DesignPlacement at = placement();
    const QRect area = at.area(kDesign);
    QRegion region;
    if (dpr == 1.0) {
        region = e->region();
    } else {
        for (const QRect& r : e->region())
            region += toDevice(r, dpr);
    }
    const QRegion widgets = shownWidgets();
    for (const QRect& r : region.subtracted(area))
        p.fillRect(r, Qt::black);

    // When the painter writes straight into an image of 32-bit pixels (the window's backing
    // store, or an image a widget is rendered into), the enlarged design goes straight into it:
    // one pass over the pixels instead of two, and no painter machinery on a large image.
    QImage* direct = nullptr;
    QPoint directOrigin;
    if (QPaintEngine* pe = p.paintEngine(); pe && pe->type() == QPaintEngine::Raster) {
        QPaintDevice* d = pe->paintDevice();
        const QTransform t = p.deviceTransform();
        if (d && d->devType() == QInternal::Image && t.type() <= QTransform::TxTranslate &&
            t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy())) {
            auto* img = static_cast<QImage*>(d);
            if (img->format() == QImage::Format_RGB32 ||
                img->format() == QImage::Format_ARGB32_Premultiplied) {
                direct = img;
                directOrigin = QPoint(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
            }
        }
    }

    for (const QRect& r : region.intersected(area)) {
        const QRect d = designRectOf(r, at, kDesign);
        if (d.isEmpty()) continue;
        if (!at.fill.isEmpty()) {
            paintDesignImage(d, widgets);
            if (direct) {
                scaleToFill(designImg_, r, at, *direct, directOrigin);
                continue;
            }
            if (scaled_.size() != area.size()) scaled_ = QImage(area.size(), QImage::Format_RGB32);
            scaleToFill(designImg_, r, at, scaled_, -at.offset);
            p.drawImage(r.topLeft(), scaled_, r.translated(-at.offset));
            continue;
        }
        if (dpr == 1.0 && direct) {
            paintDesignInto(*direct, directOrigin, at, d, widgets,
                            [&p]() -> QPainter& { return p; });
            continue;
        }
        if (at.scale == 1 && dpr == 1.0) {
            // Straight onto the window: no copy in between.
            p.save();
            p.translate(at.offset);
            paintDesign(p, d, widgets);
            p.restore();
            continue;
        }
        paintDesignImage(d, widgets);
        if (direct) {
            scaleUp(designImg_, d, at.scale, *direct, directOrigin + at.offset);
            continue;
        }
        if (scaled_.size() != kDesign * at.scale)
            scaled_ = QImage(kDesign * at.scale, QImage::Format_RGB32);
        scaleUp(designImg_, d, at.scale, scaled_, QPoint());
        const QRect from = clientRectOf(d, {at.scale, QPoint()});
        p.drawImage(from.topLeft() + at.offset, scaled_, from);
    }
}

void DesignView::forwardMouse(QMouseEvent* e) {
    const DesignPlacement at = placement();
    const QPointF dev = e->position() * devicePixelRatio();
    const std::optional<QPoint> under = zembrik::designPointAt(dev, at, kDesign);
    // Widgets see the whole design pixel the pointer is in, as on a 1x window; under Fill the
    // one drawn under it.
    const QPointF designPos = !at.fill.isEmpty() && under
                                  ? QPointF(*under)
                                  : QPointF(std::floor((dev.x() - at.offset.x()) / at.scale),
                                            std::floor((dev.y() - at.offset.y()) / at.scale));
    QWidget* hit = under ? design_->childAt(*under) : nullptr;
    if (e->type() == QEvent::MouseMove && e->buttons() == Qt::NoButton) {
        const QCursor c = designCursor(hit, design_);
        if (c.shape() != cursor().shape()) setCursor(c);
    }
    // A press with no other button down starts afresh: a grab left from a press whose release
    // never came (a modal box opened by the press took it) must not keep the mouse.
    if (e->type() == QEvent::MouseButtonPress && (!mouseGrab_ || e->buttons() == e->button()))
        mouseGrab_ = hit;
    QWidget* target = mouseGrab_ ? mouseGrab_.data() : hit;
    if (e->type() == QEvent::MouseButtonRelease && e->buttons() == Qt::NoButton)
        mouseGrab_ = nullptr;
    e->accept();
    if (!target) return;
    const QPointF local = designPos - QPointF(target->mapTo(design_, QPoint()));
    QMouseEvent sent(e->type(), local, local, e->globalPosition(), e->button(), e->buttons(),
                     e->modifiers(), e->pointingDevice());
    QCoreApplication::sendEvent(target, &sent);
    if (e->type() != QEvent::MouseMove) updateDesign();
}

} // namespace zembrik
