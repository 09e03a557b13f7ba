#pragma once
// The thin window layer: a C++ object per window, reached from its HWND through a window
// property, and per-class message maps that read as one table of handlers.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;

    static CWnd* FromHandle(HWND hwnd);
    // Gives the window a first look at a message before the modal loop dispatches it;
    // true when the message is consumed.
    virtual bool PreTranslateMessage(MSG& msg);

    // Creates this object's window, of the program's own plain window class and without
    // caption text; rect is in the parent's client coordinates (screen ones without a
    // parent). The object receives every message from WM_NCCREATE on and destroys the
    // window when it is destroyed itself.
    bool Create(DWORD style, const RECT& rect, HWND parent = nullptr, UINT id = 0, DWORD exStyle = 0);
    // A visible child window with a control id.
    bool CreateChild(HWND parent, UINT id, const RECT& rect) { return Create(WS_CHILD | WS_VISIBLE, rect, parent, id); }
    UINT ControlId() const { return static_cast<UINT>(GetDlgCtrlID(m_hWnd)); }

protected:
    void Attach(HWND hwnd);
    void Detach();
    // True when the message was handled; result then holds its answer. Unhandled messages
    // of windows made by Create go to DefWindowProc.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(m_hWnd, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool ownsWindow_ = false;
};

// A table of handlers for T. Lookup walks the entries, then the base class's table.
template <class T>
class MessageMap {
public:
    using Handler = std::function<bool(T&, WPARAM, LPARAM, LRESULT&)>;
    struct Entry {
        UINT message;
        UINT first = 0, last = 0;  // command or control id range for WM_COMMAND / WM_NOTIFY
        UINT code = 0;             // notification code for WM_NOTIFY; 0 matches any
        Handler handler;
    };

    MessageMap(std::initializer_list<Entry> entries) : entries_(entries) {}

    template <class Base>
    MessageMap(const MessageMap<Base>* base, std::initializer_list<Entry> entries) : entries_(entries) {
        base_ = [base](T& self, UINT message, WPARAM w, LPARAM l, LRESULT& result) {
            return base->Dispatch(static_cast<Base&>(self), message, w, l, result);
        };
    }

    bool Dispatch(T& self, UINT message, WPARAM w, LPARAM l, LRESULT& result) const {
        for (const Entry& e : entries_)
            if (Matches(e, message, w, l) && e.handler(self, w, l, result)) return true;
        return base_ && base_(self, message, w, l, result);
    }

private:
    static bool Matches(const Entry& e, UINT message, WPARAM w, LPARAM l) {
        if (e.message != message) return false;
        if (message == WM_COMMAND) return LOWORD(w) >= e.first && LOWORD(w) <= e.last;
        if (message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(l);
            return header->idFrom >= e.first && header->idFrom <= e.last && (e.code == 0 || header->code == e.code);
        }
        return true;
    }

    std::vector<Entry> entries_;
    std::function<bool(T&, UINT, WPARAM, LPARAM, LRESULT&)> base_;
};

// Entry builders: OnMessage(WM_PAINT, &CMyDlg::Paint), OnCommand(IDC_SAVE, &CMyDlg::Save), ...
template <class T>
typename MessageMap<T>::Entry OnMessage(UINT message, LRESULT (T::*fn)(WPARAM, LPARAM)) {
    return {message, 0, 0, 0, [fn](T& self, WPARAM w, LPARAM l, LRESULT& result) {
                result = (self.*fn)(w, l);
                return true;
            }};
}

template <class T>
typename MessageMap<T>::Entry OnCommand(UINT id, void (T::*fn)()) {
    return {WM_COMMAND, id, id, 0, [fn](T& self, WPARAM, LPARAM, LRESULT& result) {
                (self.*fn)();
                result = 0;
                return true;
            }};
}

template <class T>
typename MessageMap<T>::Entry OnCommandRange(UINT first, UINT last, void (T::*fn)(UINT id)) {
    return {WM_COMMAND, first, last, 0, [fn](T& self, WPARAM w, LPARAM, LRESULT& result) {
                (self.*fn)(LOWORD(w));
                result = 0;
                return true;
            }};
}

template <class T>
typename MessageMap<T>::Entry OnNotify(UINT id, UINT code, LRESULT (T::*fn)(NMHDR*)) {
    return {WM_NOTIFY, id, id, code, [fn](T& self, WPARAM, LPARAM l, LRESULT& result) {
                result = (self.*fn)(reinterpret_cast<NMHDR*>(l));
                return true;
            }};
}
