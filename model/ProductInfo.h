#pragma once

// The product's web page, opened by "Online help", the tool-bar logo and the About box.
inline constexpr char kProductWebPage[] = "https://zev.example.org/help/";

// The version is the project's, set once in the build.
inline constexpr char kVersionText[] = "Quorvane Connection Manager Ver " ZEV_VERSION;
