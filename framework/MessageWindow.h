#pragma once
// A window of this program's own class whose messages go to one handler of its
// object. The object is stored in the window once, at creation; from then on
// each message reaches OnMessage, which is the window's one message switch.
// The window is destroyed with its object, and the object forgets a window that
// was destroyed by anyone else. Another program's WM_CLOSE destroys nothing:
// the program ends only by its own ways.
#include <windows.h>

#include <optional>

class MessageWindow {
 public:
  MessageWindow() = default;
  virtual ~MessageWindow();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  // Registers `className` if needed and creates the window; false if it could
  // not be made (then hwnd() is null).
  bool Create(const wchar_t* className, DWORD extendedStyle, DWORD style, HWND parent);
  HWND hwnd() const { return m_window; }
  explicit operator bool() const { return m_window != nullptr; }

 protected:
  // Every message after creation; a value handles it, none leaves it to
  // DefWindowProcW (but WM_CLOSE, which is ignored).
  virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND m_window = nullptr;
};

// A window whose messages go to a member function of another object, for an
// owner with more than one window.
template <class Owner>
class WindowOf final : public MessageWindow {
 public:
  using Handler = std::optional<LRESULT> (Owner::*)(UINT message, WPARAM wParam, LPARAM lParam);
  WindowOf(Owner& owner, Handler handler) : m_owner(owner), m_handler(handler) {}

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return (m_owner.*m_handler)(message, wParam, lParam);
  }

 private:
  Owner& m_owner;
  Handler m_handler;
};
