#pragma once
// Pairing-file records for tests, put together column by column as the pairing optimiser writes
// them. Numbers are zero-padded; fields left out stay blank.
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace lw::test::prg {

class Columns {
public:
    explicit Columns(size_t width) : text_(width, ' ') {}
    Columns& Put(size_t col, std::string_view s) {
        if (text_.size() < col + s.size()) text_.resize(col + s.size(), ' ');
        text_.replace(col, s.size(), s);
        return *this;
    }
    Columns& Num(size_t col, int width, int value) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%0*d", width, value);
        return Put(col, buf);
    }
    Columns& Date(size_t col, int y, int m, int d) { return Num(col, 4, y).Num(col + 4, 2, m).Num(col + 6, 2, d); }
    std::string Line() const { return text_ + "\n"; }

private:
    std::string text_;
};

struct Ymd {
    int y = 2025, m = 3, d = 3;
};

// Type 1: the pairing and one operating date.
struct Header {
    std::string pairing = "Z8101";
    Ymd date{};
    int report = 360, tafb = 600, credit = 300, restAfter = 660;
    std::string complement = "CA01FO01";
    std::array<int, 6> hard{};
    bool late = false;
    std::string weekdays = "YYYYYYY";
    std::array<std::array<int, 2>, 4> except{};  // month, day
    std::string Line() const {
        Columns c(303);
        c.Put(0, "1").Put(1, pairing).Num(19, 2, 3).Num(21, 2, 1).Num(27, 2, 3).Num(29, 2, 31).Put(31, weekdays);
        for (size_t k = 0; k < 4; ++k) c.Num(38 + 4 * k, 2, except[k][0]).Num(40 + 4 * k, 2, except[k][1]);
        c.Date(70, date.y, date.m, date.d).Num(78, 4, report).Num(107, 5, tafb).Put(112, late ? "Y" : "N");
        c.Put(113, complement).Num(145, 4, restAfter).Num(299, 4, credit);
        for (size_t d = 0; d < 6; ++d) c.Num(150 + 4 * d, 4, hard[d]);
        return c.Line();
    }
};

// Type 2: a segment on the airline's own flight.
struct Segment {
    std::string codes = "Z8";
    Ymd date{};
    std::string flight = "0123", from = "YYZ", to = "YUL";
    int dep = 420, arr = 495, time = 75;
    bool deadhead = false;
    std::string Line() const {
        Columns c(90);
        c.Put(0, "2").Put(1, codes).Date(7, date.y, date.m, date.d).Put(15, flight).Put(28, from);
        c.Date(31, date.y, date.m, date.d).Num(39, 4, dep).Put(43, to).Num(54, 4, arr);
        c.Put(61, deadhead ? "D" : " ").Num(64, 4, time);
        return c.Line();
    }
};

// Type 3: a duty period; an empty hotel marks the last duty.
struct Duty {
    std::string codes = "Z8";
    Ymd date{};
    int start = 360, end = 660, duty = 300, layover = 1200, credit = 300;
    std::string station = "YOW", hotel{};
    std::array<int, 3> more{};  // columns 114, 130, 122
    std::string Line() const {
        Columns c(134);
        c.Put(0, "3").Put(1, codes).Date(22, date.y, date.m, date.d).Num(30, 4, start).Num(42, 4, end);
        c.Num(47, 4, duty).Num(51, 5, layover).Put(56, station).Put(59, hotel);
        c.Num(114, 4, more[0]).Num(130, 4, more[1]).Num(122, 4, more[2]).Num(126, 4, credit);
        return c.Line();
    }
};

// Type 4: a deadhead on another carrier.
struct OtherCarrier {
    std::string codes = "Z8";
    Ymd date{};
    std::string flight = "WS01234", from = "YOW", to = "BOS", code = "CNF";
    int dep = 480, arr = 555;
    std::string Line() const {
        Columns c(90);
        c.Put(0, "4").Put(1, codes).Date(7, date.y, date.m, date.d).Put(18, flight).Date(26, date.y, date.m, date.d);
        c.Put(34, from).Num(45, 4, dep).Put(49, to).Num(60, 4, arr).Put(83, code);
        return c.Line();
    }
};

// Type 5: another kind of segment (ground transport and the like).
struct OtherSegment {
    std::string codes = "Z8";
    Ymd date{};
    std::string code = "LMO", from = "YUL", to = "YOW";
    int start = 540, end = 600;
    std::string Line() const {
        Columns c(60);
        c.Put(0, "5").Put(1, codes).Date(7, date.y, date.m, date.d).Put(18, code).Put(29, from);
        c.Date(32, date.y, date.m, date.d).Num(40, 4, start).Put(44, to).Num(55, 4, end);
        return c.Line();
    }
};

}  // namespace lw::test::prg
