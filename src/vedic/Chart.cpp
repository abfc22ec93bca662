#include "vedic/Chart.h"

namespace velakor {

void PlaceBody(Chart& c, Body b, double longitude) {
    BodyPosition& at = c[b];
    at.Longitude = longitude;
    at.Rashi = SignOf(longitude);
    at.Star = NakshatraOf(longitude);
    at.Pada = PadaOf(longitude);
}

}  // namespace velakor
