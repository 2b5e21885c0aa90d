#pragma once

// The program's three screens.
enum class ScreenId { Menu, Drill, Grade };
