// The caret place of a drawing: the application's one TextCaret, put over the view window at a
// drawing point.
#include <cmath>
#include <new>

#include "document/DocumentContext.h"
#include "document/TextCaretPlace.h"
#include "geometry/Point.h"
#include "geometry/ViewParams.h"
#include "platform/TextCaret.h"
#include "platform/Window.h"

namespace {

constexpr int kMinimumHeight = 3; // pixels

class TextCaretPlaceOnView : public TextCaretPlace {
public:
    explicit TextCaretPlaceOnView(DocumentContext& o) : owner(&o) {}
    ~TextCaretPlaceOnView() override { hide(); }

    void setOwner(DocumentContext* o) override { owner = o; }

    int refresh() override
    {
        if (!shown || !theTextCaret)
            return 0;
        theTextCaret->refresh();
        return 1;
    }
    int resume() override
    {
        if (!shown || !theTextCaret)
            return 0;
        reposition();
        return 1;
    }
    int suspend() override
    {
        if (!shown || !theTextCaret)
            return 0;
        theTextCaret->deactivate();
        return 1;
    }
    int reset() override
    {
        hide();
        return 1;
    }

    void showAt(const Point* p) override
    {
        if (p)
            x = p->x, y = p->y;
        Window* window = viewWindow();
        if (!theTextCaret || !window)
            return;
        theTextCaret->attach(window);
        shown = 1;
        reposition();
    }
    void hide() override
    {
        if (!shown)
            return;
        shown = 0;
        if (theTextCaret) {
            theTextCaret->deactivate();
            theTextCaret->detach();
        }
    }
    void setHeight(double length) override
    {
        ViewParams* view = owner ? owner->view : nullptr;
        double pixels = view ? view->lengthToPixels(length, 1) : 0.0;
        if (!std::isfinite(pixels) || pixels < kMinimumHeight)
            pixels = kMinimumHeight;
        if (pixels > 32000.0)
            pixels = 32000.0;
        if (theTextCaret) {
            if (shown)
                theTextCaret->deactivate();
            theTextCaret->setSize(theTextCaret->width, static_cast<int>(pixels));
        }
    }
    void setAngle(double degrees) override
    {
        if (theTextCaret && std::isfinite(degrees))
            theTextCaret->setAngle(degrees);
    }
    void moveTo(double newX, double newY) override
    {
        x = newX, y = newY;
        if (shown)
            reposition();
    }
    [[nodiscard]] int isShown() const override { return shown; }

private:
    Window* viewWindow() const
    {
        ViewParams* view = owner ? owner->view : nullptr;
        return view ? view->window() : nullptr;
    }
    void reposition()
    {
        ViewParams* view = owner ? owner->view : nullptr;
        Window* window = viewWindow();
        if (!theTextCaret || !view || !window)
            return;
        theTextCaret->deactivate();
        IntPoint device;
        view->worldToDeviceClamped(x, y, &device);
        theTextCaret->moveTo(window, device);
        theTextCaret->activate();
        theTextCaret->show();
    }

    DocumentContext* owner;
    int shown = 0;
    double x = 0.0;
    double y = 0.0;
};

} // namespace

TextCaretPlace* newTextCaretPlace(DocumentContext& owner) { return new (std::nothrow) TextCaretPlaceOnView(owner); }
