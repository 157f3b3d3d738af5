#pragma once

// The maker's web site: the home page that "Visit" and the version check
// open, and the host asked for the version status.
inline constexpr const char *kMakerSite = "https://www.sudokunodala.com/";
