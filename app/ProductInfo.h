#pragma once

// The product's web page, opened by "Online help", the tool-bar logo and the About box.
inline constexpr char kProductWebPage[] = "https://zev.example.org/help/";

inline constexpr char kVersionText[] = "Quorvane Connection Manager Ver 1.4";
