// Reading the precise sky's tables: a crafted file is one whose checksum fits. The fuzzer's
// bytes change a small table of the right form (every series over 1900-2051 in a few long
// segments, moving at the bodies' mean geocentric rates, the ayanamsas as in 1900, so that
// the reader's checks of what each quantity physically does pass it): first a count and
// that many changes of a series' header (ten bytes each: the series, the field and its new
// value: number, segments, coefficients, start, length or step), then bytes laid (exclusive
// or) over the coefficients; the checksum is made to fit. The bytes are also read as a
// whole file of their own. Whatever the reader takes must give a sky of numbers: every
// position, name and moment of a birth's chart, dasha and panchanga is finite and in range,
// and its dates can be written. A broken invariant traps, so libFuzzer reports it like a
// crash.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "app/Calculation.h"
#include "astro/CivilTime.h"
#include "astro/VedicEphemeris.h"
#include "dasha/DashaTree.h"
#include "dasha/Vimshottari.h"
#include "panchanga/Panchanga.h"
#include "sky/PreciseSky.h"
#include "sky/SkyTables.h"

namespace {

using namespace velakor;

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

template <typename T>
void Put(std::string& out, T v) {
    out.append(reinterpret_cast<const char*>(&v), sizeof v);
}

constexpr std::uint32_t kSegments = 14, kCoefficients = 6;
constexpr double kStart = 2414520.5, kLength = 4096.0;
constexpr std::size_t kHeaderBytes = 12 + 36 * kSkySeriesCount;

// The small table: each quantity at its mean value and rate (degrees, or days for Delta T).
std::string SmallTables() {
    struct Mean {
        double value, perDay, unit;
    };
    constexpr Mean kMeans[kSkySeriesCount] = {
        {280.0, 0.9856, 1e-4}, {218.0, 13.176, 1e-4}, {252.0, 0.9856, 1e-4},  {181.0, 0.9856, 1e-4},
        {355.0, 0.5240, 1e-4}, {34.0, 0.0831, 1e-4},  {50.0, 0.0335, 1e-4},   {125.0, -0.0530, 1e-4},
        {125.0, -0.0530, 1e-4}, {0.0, 0.0, 1e-7},     {23.44, 0.0, 1e-7},     {22.46, 0.0000383, 1e-7},
        {21.01, 0.0000383, 1e-7}, {22.36, 0.0000383, 1e-7}, {22.44, 0.0000383, 1e-7}, {0.0008, 0.0, 1e-9}};
    std::string out(kSkyTablesMagic);
    Put(out, static_cast<std::uint32_t>(kSkySeriesCount));
    for (std::uint32_t id = 0; id < kSkySeriesCount; ++id) {
        Put(out, id);
        Put(out, kSegments);
        Put(out, kCoefficients);
        Put(out, kStart);
        Put(out, kLength);
        Put(out, kMeans[id].unit);
    }
    for (std::uint32_t id = 0; id < kSkySeriesCount; ++id) {
        const Mean& m = kMeans[id];
        for (std::uint32_t k = 0; k < kSegments; ++k) {
            const double middle = m.value + m.perDay * (k + 0.5) * kLength;
            // The longitudes wobble a little within a segment; the rest run straight on.
            const bool angle = id <= 8;
            const double c[kCoefficients] = {angle ? std::fmod(middle + 3600.0, 360.0) : middle,
                                             m.perDay * kLength / 2, angle ? 0.001 : 0.0, angle ? 0.0001 : 0.0, 0, 0};
            for (const double v : c) Put(out, static_cast<std::int32_t>(std::lround(v / m.unit)));
        }
    }
    Put(out, std::uint32_t{0});
    return out;
}

void WithFittingChecksum(std::string& bytes) {
    if (bytes.size() < 4) return;
    const std::uint32_t sum = SkyTablesChecksum(std::string_view(bytes).substr(0, bytes.size() - 4));
    std::memcpy(bytes.data() + bytes.size() - 4, &sum, sizeof sum);
}

// A birth's chart, dasha and panchanga in the sky the tables give.
void CastWith(const SkyTables& tables, std::uint8_t choiceBits) {
    const SkyChoice choice{SkyPositions::Precise, static_cast<SkyAyanamsa>(choiceBits & 3),
                           static_cast<SkyNode>((choiceBits >> 2) & 1)};
    const PreciseSky sky(tables, choice);
    FormValues form;
    form.Name = form.City = form.State = form.Country = "Fuzz";
    form.Day = 1 + choiceBits % 28;
    form.Month = 1 + (choiceBits >> 3) % 12;
    form.Year = (choiceBits & 0x80) ? 2050 : 1901;
    form.Hour = 12;
    form.ZoneIndex = 34;
    form.LatDeg = "28";
    form.LatMin = "38";
    form.LonDeg = "77";
    form.LonMin = "12";
    form.Latitude = Direction::First;
    form.Longitude = Direction::First;
    Program p;
    CopyFormToRecord(p, form);
    const Chart chart = sky.CastChart(p.Birth);
    for (const BodyPosition& body : chart.Bodies) Check(std::isfinite(body.Longitude));
    const double birth = BirthJulianDayUt(p.Birth);
    const int offset = BirthUtcOffsetMinutes(p.Birth);

    const Dasha d = ComputeDasha(chart[Body::Moon].Longitude, birth, 365.25);
    Check(std::isfinite(d.Mahadashas[0].StartJd) && !DashaLordName(d.BirthLord).empty());
    IsoMoment(d.Mahadashas[0].StartJd, offset);
    for (int system = 0; system < kDashaSystemCount; ++system) {
        const DashaTree tree = ComputeDashaTree(static_cast<DashaSystem>(system), chart, 365.25);
        Check(!tree.Periods.empty() && std::isfinite(tree.Periods.back().EndJd));
        for (const TreePeriod& m : tree.Periods) Check(SubPeriods(tree, m).back().EndJd == m.EndJd);
    }

    const Panchanga pc = ComputePanchanga(p.Birth, chart, sky, SunriseRule::Centre);
    Check(pc.Tithi.Index >= 0 && pc.Tithi.Index < 30 && pc.Karana.Index >= 0 && pc.Karana.Index < 60);
    Check(pc.Nakshatra.Index >= 0 && pc.Nakshatra.Index < 27 && pc.Yoga.Index >= 0 && pc.Yoga.Index < 27);
    Check(!TithiName(pc.Tithi.Index).empty() && !YogaName(pc.Yoga.Index).empty() && !KaranaName(pc.Karana.Index).empty());
    // Tables that pass the reader's checks may still send the search for an end past their
    // range, where the sky gives NaN (nothing computed) rather than a made-up moment.
    for (const PanchangaLimb* limb : {&pc.Tithi, &pc.Karana, &pc.Nakshatra, &pc.Yoga}) {
        Check(!std::isinf(limb->EndsJd));
        IsoMoment(limb->EndsJd, offset);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string base = SmallTables();
    // Each series' header: its number, segments and coefficients (four bytes each), then its
    // start, segment length and step (eight bytes each).
    constexpr std::size_t kFieldAt[] = {0, 4, 8, 12, 20, 28};
    constexpr std::size_t kChange = 10;
    std::string crafted = base;
    std::size_t at = 0;
    const std::size_t changes = size > 0 ? data[at++] % 8 : 0;
    std::uint8_t choice = 0;
    for (std::size_t n = 0; n < changes && at + kChange <= size; ++n, at += kChange) {
        const std::size_t series = data[at] % kSkySeriesCount, field = data[at + 1] % 6;
        choice ^= data[at];
        std::memcpy(crafted.data() + 12 + 36 * series + kFieldAt[field], data + at + 2, field < 3 ? 4 : 8);
    }
    for (std::size_t i = kHeaderBytes; at < size && i + 4 < crafted.size(); ++i, ++at)
        crafted[i] = static_cast<char>(crafted[i] ^ data[at]);
    WithFittingChecksum(crafted);
    const SkyTables tables = SkyTables::Parse(crafted);
    if (tables.Valid()) CastWith(tables, choice);

    std::string own(reinterpret_cast<const char*>(data), size);
    WithFittingChecksum(own);
    const SkyTables ownTables = SkyTables::Parse(own);
    if (ownTables.Valid()) CastWith(ownTables, 0);
    return 0;
}
