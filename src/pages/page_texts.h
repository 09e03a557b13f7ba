#pragma once
// How a page asks for its texts: the process's text catalog by key in the program,
// a table in tests.

#include <functional>
#include <string>

using TextLookup = std::function<std::wstring(const std::wstring& key)>;
