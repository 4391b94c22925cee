#pragma once

#include <functional>

// Hands work to the user-interface thread: the worker of a load or save posts
// its progress and its end this way (the modal progress form then wakes at
// once). Callable from any thread; the work runs in the event loop, in order.
void PosteSurFilUI(std::function<void()> travail);

// True on the user-interface thread.
bool EstFilUI();
