#pragma once

namespace cmn::kml {

constexpr char KmlNamespace[] = "http://www.opengis.net/kml/2.2";
constexpr char GxNamespace[] = "http://www.google.com/kml/ext/2.2";

} // namespace cmn::kml
