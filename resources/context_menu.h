#pragma once
// Menu resource 206: the popup that shows one finding, its suggestions and
// the ways to remove markers.
#include <memory>

#include "platform/popup_menu.h"

constexpr unsigned IDR_KESTA_MENU = 206;

constexpr unsigned ID_KESTA_CLOSE = 32772;          // "Close . . ."
constexpr unsigned ID_KESTA_NEXT_MESSAGE = 32773;   // "Next KESta Message"
constexpr unsigned ID_KESTA_SYN1 = 32775;           // "SYN1" .. "SYN6": 32775 .. 32780
constexpr unsigned ID_KESTA_SYN6 = 32780;
constexpr unsigned ID_KESTA_TERM = 32786;           // the first line: the finding
constexpr unsigned ID_KESTA_ALL_IN_DOCUMENT = 32795;
constexpr unsigned ID_KESTA_ONE_MESSAGE = 32796;

// Positions in the popup.
constexpr unsigned kMenuPosTerm = 0;
constexpr unsigned kMenuPosSuggestions = 2;
constexpr unsigned kMenuPosRemove = 3;
constexpr unsigned kSuggestionItems = 6;

// A fresh copy of a menu resource: a bar whose items are popups; null for
// an unknown id.
std::unique_ptr<Menu> LoadMenuResource(unsigned id);
