#pragma once

#include <windows.h>

#include <vector>

#include "host/runtime/types.h"
#include "host/runtime/untrapped_error.h"

namespace host {

class DrawingSurface;

// One mouse event of a surface, its position in the surface's scale units.
struct MouseEvent {
  enum class Kind { Down, Move, Up, Click, DblClick };
  Kind kind;
  Integer button = 0;
  Integer shift = 0;
  Single x = 0;
  Single y = 0;
};

// The mouse events of a drawing surface's window (a form, a user control) in
// the order the language raises them: a click is MouseDown, MouseUp, Click; a
// double click MouseDown, MouseUp, Click, DblClick, MouseUp. The window keeps
// the mouse while a button is down.
class SurfaceMouse {
 public:
  static bool IsMouseMessage(UINT message);
  static bool IsPress(UINT message);
  // The events `message` raises, in order; takes or lets go of the mouse.
  std::vector<MouseEvent> Translate(HWND window, const DrawingSurface& surface, UINT message, WPARAM wParam,
                                    LPARAM lParam);

 private:
  bool doubleClicked_ = false;
};

// The owner's event handlers, by kind.
template <typename Owner>
struct MouseHandlers {
  void (Owner::*down)(Integer&, Integer&, Single&, Single&);
  void (Owner::*move)(Integer&, Integer&, Single&, Single&);
  void (Owner::*up)(Integer&, Integer&, Single&, Single&);
  void (Owner::*click)();
  void (Owner::*dblClick)();
};

// Each event through its handler, as an event handler runs.
template <typename Owner>
void RaiseMouseEvents(Owner& owner, const MouseHandlers<Owner>& handlers, std::vector<MouseEvent> events) {
  for (MouseEvent& event : events) {
    RunEventHandler([&] {
      switch (event.kind) {
        case MouseEvent::Kind::Down:
          return (owner.*handlers.down)(event.button, event.shift, event.x, event.y);
        case MouseEvent::Kind::Move:
          return (owner.*handlers.move)(event.button, event.shift, event.x, event.y);
        case MouseEvent::Kind::Up:
          return (owner.*handlers.up)(event.button, event.shift, event.x, event.y);
        case MouseEvent::Kind::Click:
          return (owner.*handlers.click)();
        case MouseEvent::Kind::DblClick:
          return (owner.*handlers.dblClick)();
      }
    });
  }
}

}  // namespace host
