// Closes the named top-level windows as a user would: sends them the window
// manager's delete request. Used to check that a program ends cleanly when its
// window is closed.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

namespace {

bool Close(Display* d, Window w, const char* title, bool probe) {
  char* name = nullptr;
  bool done = false;
  if (XFetchName(d, w, &name) && name) {
    if (std::strcmp(name, title) == 0 && !probe) {
      XEvent e{};
      e.xclient.type = ClientMessage;
      e.xclient.window = w;
      e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
      e.xclient.format = 32;
      e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
      e.xclient.data.l[1] = CurrentTime;
      XSendEvent(d, w, False, NoEventMask, &e);
    }
    done = std::strcmp(name, title) == 0;
    XFree(name);
  }
  Window root, parent, *children = nullptr;
  unsigned n = 0;
  if (XQueryTree(d, w, &root, &parent, &children, &n)) {
    for (unsigned i = 0; i < n; ++i) done |= Close(d, children[i], title, probe);
    if (children) XFree(children);
  }
  return done;
}

}  // namespace

int main(int argc, char** argv) {
  bool probe = argc == 3 && std::strcmp(argv[1], "--probe") == 0;
  if (argc != 2 && !probe) {
    std::fprintf(stderr, "usage: xclose [--probe] TITLE\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) return 2;
  bool done = Close(d, DefaultRootWindow(d), argv[argc - 1], probe);
  XFlush(d);
  XCloseDisplay(d);
  return done ? 0 : 1;
}
