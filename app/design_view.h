// SPDX-License-Identifier: GPL-3.0-or-later
// The design view: the window's drawing of the game's one 640 x 480 design.
//
// Owns the frame images, the design surface (the never-shown parent of every design widget),
// scaling, partial flushes, mapping clicks back through the scale and full screen. Calls only
// render/ and Qt; what lies over the frame (the well or not, the panels) it asks of the class
// deriving from it, the window.
#pragma once

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <optional>

#include "render/frame.h"
#include "render/scale.h"

namespace zembrik {

// Everything the player sees is laid out in one 640 x 480 design, and the view shows that
// design at the largest whole scale its client area allows, centred on black (render/scale.h);
// with Fill scaling chosen, at the largest size that fits at any factor, each device pixel the
// design pixel a click there maps to.
// The design is two layers, composed afresh for every paint: the frame images (frame().window,
// the well p2 at (216, 16), the delay bar at (216, 472)), and on top of them the widgets that are
// children of designSurface(). designSurface() itself is never shown; its children are drawn
// through QWidget::render at 1x and the result is enlarged pixel by pixel, so text and art
// scale as sharp blocks like the rest. Mouse events on the view are mapped back to design pixels
// and sent to the design widget under them (a press grabs the mouse for that widget until the
// last button is released), and the pointer takes that widget's cursor and shows its tooltip.
//
// To add something that must scale with the game (a panel, a summary, a notice):
// - either draw it into the frame images, in design pixels,
// - or make a widget whose parent is designSurface() (or one of its children), placed in design
//   pixels; it never takes the keyboard focus (keys go to the window).
// A hidden widget never asks for a paint of its own: after changing what a design widget shows,
// call updateDesign(). During a game each frame shows only what it changed (showFrame).
class DesignView : public QWidget {
    Q_OBJECT
  public:
    explicit DesignView(QWidget* parent = nullptr);
    ~DesignView() override;

    const Frame& frame() const { return frame_; }
    // The 640 x 480 parent of every widget in the design; never shown itself.
    QWidget* designSurface() const { return design_; }
    // Asks for a paint of the design rectangle r (design pixels; the whole design by default).
    void updateDesign(const QRect& r = QRect(0, 0, kWindowW, kWindowH));
    // Paints the design rectangle r at once.
    void repaintDesign(const QRect& r = QRect(0, 0, kWindowW, kWindowH));
    void repaintDesign(const QRegion& r);
    // Shows the design region `changed` of a new frame at once: straight into the window's
    // backing store and flushed where it can, else through a repaint.
    void showFrame(const QRegion& changed);
    // Where the design sits in the client area now, in device pixels.
    DesignPlacement placement() const;
    // The design pixel under a point of the window (device-independent pixels), or nothing in
    // the black border.
    std::optional<QPoint> designPointAt(QPointF pos) const;
    // F11: full screen on and off, with the same scaling.
    void toggleFullScreen();

  protected:
    // The pause panel and the game-over summary, where they lie over the design.
    struct PanelsOver {
        bool pause = false, summary = false;
    };
    // True when the player chose Fill scaling (any factor) over Sharp (whole factors).
    virtual bool fillScaling() const = 0;
    // True while the frame's well is shown (else the window image shows there).
    virtual bool wellShown() const = 0;
    // Which panels lie over the design rectangle r, and drawing them there.
    virtual PanelsOver panelsOver(const QRect& r) const = 0;
    virtual void paintPanels(QPainter& p, const QRect& r) = 0;

    Frame& frameToDraw() { return frame_; }
    // The design widget that stands for the well; it draws nothing itself.
    void setWellStandIn(QWidget* w) { wellStandIn_ = w; }
    // The design rectangles covered by shown widgets that fill their background opaque.
    QRegion opaqueWidgets() const;
    // The client size out of full screen and not maximised.
    QSize normalSize() const { return normalSize_; }
    void setNormalSize(QSize s) { normalSize_ = s; }
    // The window's state when it went full screen, where leaving full screen goes back to.
    Qt::WindowStates stateBeforeFullScreen() const { return beforeFullScreen_; }
    void setStateBeforeFullScreen(Qt::WindowStates s) { beforeFullScreen_ = s; }
    // Keeps the size the window has out of the maximised and full-screen states.
    void resizeEvent(QResizeEvent* e) override;

    // Tooltips of the design's widgets, shown where they lie on the window.
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override { forwardMouse(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { forwardMouse(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { forwardMouse(e); }
    void mouseMoveEvent(QMouseEvent* e) override { forwardMouse(e); }

  private:
    // Draws the design rectangle r (design pixels) with p, whose origin is the design's.
    // `widgets` is shownWidgets(), where the design's widgets are drawn over the frame.
    void paintDesign(QPainter& p, const QRect& r, const QRegion& widgets);
    // Draws the design's widgets over the design rectangle r (p's origin is the design's).
    void paintWidgets(QPainter& p, const QRect& r, const QRegion& widgets);
    // The design rectangles covered by shown widgets that draw something.
    QRegion shownWidgets() const;
    // Sends a mouse event of the window to the design widget under it, in its own pixels.
    void forwardMouse(QMouseEvent* e);
    // The window rectangle (device-independent pixels) covering the design rectangle r.
    QRect windowRectOf(const QRect& r) const;
    // Composes the design rectangle d into designImg_ (made on first use), for enlarging.
    void paintDesignImage(const QRect& d, const QRegion& widgets);
    // Paints the design rectangle d into `image`, the window's 32-bit pixels one to one (no
    // screen scaling), the window's top-left at `origin`: the frame's rows copied, enlarged
    // at.scale times, with the panels and widgets over them drawn with painter() (asked for
    // only where there are any; its origin the window's).
    void paintDesignInto(QImage& image, QPoint origin, const DesignPlacement& at, const QRect& d,
                         const QRegion& widgets, const std::function<QPainter&()>& painter);
    // Shows the design region `changed` of a new frame: painted straight into the window's
    // backing store and flushed. False (nothing shown) where that cannot be done.
    bool showFrameDirect(const QRegion& changed);

    Frame frame_;
    QWidget* design_ = nullptr;
    QWidget* wellStandIn_ = nullptr;
    QImage designImg_;                  // the design composed at 1x, for enlarging
    QImage scaled_;                     // the enlarged design, in device pixels
    QPointer<QWidget> mouseGrab_;       // the design widget a pressed button belongs to
    QSize normalSize_;                  // the client size out of full screen and not maximised
    Qt::WindowStates beforeFullScreen_; // the window's state when it went full screen
};

} // namespace zembrik
