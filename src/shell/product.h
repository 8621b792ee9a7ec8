#pragma once

// The product's fixed identity: window title, version, maker, home page, settings place.
namespace product {
inline constexpr const char* title = "Probaview v1.0";
inline constexpr const char* version = PROBAVIEW_VERSION;  // set by the build from the project's version
inline constexpr const char* makerName = "Tessavan";
inline constexpr const char* applicationName = "Probaview";
inline constexpr const char* makerWebAddress = "www.tessavan.com";
inline constexpr const char* homePageAddress = "https://www.tessavan.com/probaview/";
}  // namespace product
