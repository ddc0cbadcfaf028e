#include "rules/propose.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>

#include "bids/bids.h"
#include "bids/filters.h"
#include "base/time_text.h"
#include "rules/block_checks.h"
#include "rules/why_not.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPair;
using model::TPilot;
using Clock = std::chrono::steady_clock;

struct Instance {
    int32_t pair = -1;
    int32_t day = -1;
    int32_t credit = 0;
};

// What a member asked for, best first: a rank per pairing index, -1 for no bid.
std::vector<int> BidRanks(const Document& doc, int crew) {
    std::vector<int> rank(static_cast<size_t>(doc.LastPairIndex + 1), -1);
    const TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    std::vector<int> numbers;
    if (!doc.IsFlightAttendants()) {
        const bids::GuessedBid bid = bids::GuessBid(doc, p.BidText);
        for (const auto& request : bid.pairings) numbers.insert(numbers.end(), request.begin(), request.end());
    }
    const bids::SavedFilter saved = bids::ParseSavedFilter(p.SavedFilters);
    if (saved.present) numbers.insert(numbers.end(), saved.numbers.begin(), saved.numbers.end());
    const bids::TextFilter text =
        saved.present ? bids::SplitTextFilter(saved.text, bids::kMemberItems) : bids::TextFilter{};
    const int textRank = static_cast<int>(numbers.size());
    for (int i = 0; i <= doc.LastPairIndex; ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        const auto at = std::find(numbers.begin(), numbers.end(), q.PairNumber);
        if (at != numbers.end()) rank[static_cast<size_t>(i)] = static_cast<int>(at - numbers.begin());
        else if (!text.include.empty() && bids::MatchesTextFilter(q, text)) rank[static_cast<size_t>(i)] = textRank;
    }
    return rank;
}

int32_t MemberCredit(const TPilot& p) { return p.CreditTotal(); }

// The proposal worked out on a copy of the month: placements go straight onto the copy's rows,
// each re-checking only the blocks it touches.
class Planner {
public:
    Planner(const Document& doc, const std::vector<int>& members, platform::Interaction& ui)
        : w_(doc.Clone()), members_(members), ui_(ui) {
        for (int c : members_) Refresh(c);
        for (int i = 0; i <= w_.LastPairIndex && i < model::kPairSlots; ++i) {
            const TPair& q = w_.Pairings[static_cast<size_t>(i)];
            for (int d = 0; d < w_.DayCount && d < model::kMonthDays; ++d)
                if (q.IsOpen(d)) open_.push_back({i, d, InstanceCredit(w_, q, d)});
        }
        std::stable_sort(open_.begin(), open_.end(),
                         [](const Instance& a, const Instance& b) { return a.day < b.day; });
        bidRanks_.resize(static_cast<size_t>(w_.CrewCount));
        daysOff_.resize(static_cast<size_t>(w_.CrewCount));
    }

    Document& Month() { return w_; }
    const std::vector<Placement>& Placed() const { return placed_; }
    bool Cancelled() const { return cancelled_; }

    // Each member in roster order takes the first legal open instance until the minimum.
    void FirstFit() {
        Pass("Proposing blocks (first fit)", [&](int c) {
            for (const Instance& in : open_) {
                if (MemberCredit(Row(c)) >= w_.EffectiveMinBlock(Row(c))) break;
                TryPlace(c, in);
            }
        });
    }

    // Senior members' bids first, then every member up to the minimum, then up to the maximum.
    void Best() {
        Pass("Proposing blocks (bids)", [&](int c) {
            const std::vector<int>& rank = Ranks(c);
            std::vector<Instance> wanted;
            for (const Instance& in : open_)
                if (rank[static_cast<size_t>(in.pair)] >= 0) wanted.push_back(in);
            std::stable_sort(wanted.begin(), wanted.end(), [&](const Instance& a, const Instance& b) {
                return rank[static_cast<size_t>(a.pair)] < rank[static_cast<size_t>(b.pair)];
            });
            for (const Instance& in : wanted) TryPlace(c, in);
        });
        Pass("Proposing blocks (minimum)", [&](int c) {
            // A trip that lands the block inside its range is taken before any other.
            while (MemberCredit(Row(c)) < w_.EffectiveMinBlock(Row(c))) {
                const int32_t missing = w_.EffectiveMinBlock(Row(c)) - MemberCredit(Row(c));
                bool placed = false;
                for (const Instance& in : open_)
                    if (in.credit >= missing && (placed = TryPlace(c, in))) break;
                for (size_t i = 0; i < open_.size() && !placed; ++i) placed = TryPlace(c, open_[i]);
                if (!placed) break;
            }
        });
        Pass("Proposing blocks (maximum)", [&](int c) {
            for (const Instance& in : open_) TryPlace(c, in);
        });
    }

    // Exchanges until the time is up: a member gives back a proposed trip for a bigger open
    // one when the trip given back finds another member, so open time only shrinks and no
    // granted bid is lost.
    void Exchange(Clock::time_point until) {
        bool improved = true;
        while (improved && !cancelled_ && Clock::now() < until) {
            improved = false;
            std::vector<Instance> left;
            for (const Instance& in : open_)
                if (w_.Pairings[static_cast<size_t>(in.pair)].IsOpen(in.day)) left.push_back(in);
            std::stable_sort(left.begin(), left.end(),
                             [](const Instance& a, const Instance& b) { return a.credit > b.credit; });
            for (const Instance& big : left) {
                if (Clock::now() >= until) return;
                if (!ui_.Progress(0, "Exchanging trips")) {
                    cancelled_ = true;
                    return;
                }
                if (TryExchange(big)) improved = true;
            }
        }
    }

    // Instances still open, with the members each reason kept away.
    std::vector<LeftOpen> LeftOver(const std::vector<int>& everyone, const std::vector<bool>& proposable) {
        std::vector<LeftOpen> out;
        WhyNotOptions quick;
        quick.stopAtFirst = true;
        for (const Instance& in : open_) {
            if (!w_.Pairings[static_cast<size_t>(in.pair)].IsOpen(in.day)) continue;
            LeftOpen lo{in.pair, in.day, in.credit, {}};
            std::map<std::string, int32_t> counts;
            for (int c : everyone) {
                quick.daysOff = &DaysOff(c);
                std::vector<WhyReason> why = WhyNot(w_, c, in.pair, in.day, quick);
                std::string reason;
                if (!why.empty()) reason = why.front().text;
                else if (!proposable[static_cast<size_t>(c)]) reason = "not among the rows proposed";
                else reason = "legal, block already inside the credit range";
                ++counts[reason];
            }
            for (const auto& [reason, n] : counts) lo.reasons.push_back({reason, n});
            std::stable_sort(lo.reasons.begin(), lo.reasons.end(),
                             [](const ReasonCount& a, const ReasonCount& b) { return a.members > b.members; });
            out.push_back(std::move(lo));
        }
        return out;
    }

private:
    TPilot& Row(int c) { return w_.Crew[static_cast<size_t>(c)]; }

    const std::vector<int>& Ranks(int c) {
        auto& r = bidRanks_[static_cast<size_t>(c)];
        if (r.empty()) r = BidRanks(w_, c);
        return r;
    }

    bool IsBid(int c, int pair) { return Ranks(c)[static_cast<size_t>(pair)] >= 0; }

    const DayMarks& DaysOff(int c) {
        auto& marks = daysOff_[static_cast<size_t>(c)];
        if (!marks) marks = DaysAskedOff(w_, c);
        return *marks;
    }

    void Refresh(int c) {
        CheckBlock(w_, c);
        ComputeCredit(w_, c, false);
    }

    template <typename Each>
    void Pass(const char* title, Each&& each) {
        if (cancelled_) return;
        platform::ProgressScope progress(ui_, title, static_cast<int>(members_.size()));
        for (size_t i = 0; i < members_.size(); ++i) {
            char text[64];
            std::snprintf(text, sizeof text, "Completed %d of %d", static_cast<int>(i), static_cast<int>(members_.size()));
            if (!progress.Step(static_cast<int>(i), text)) {
                cancelled_ = true;
                return;
            }
            each(members_[i]);
        }
    }

    // The checks who's legal runs, and those the engine would ask the planner about, all
    // without a question: only what passes cleanly is placed.
    bool Fits(int c, const Instance& in) {
        const TPilot& p = Row(c);
        const TPair& q = w_.Pairings[static_cast<size_t>(in.pair)];
        if (!q.IsOpen(in.day)) return false;
        if (MemberCredit(p) + in.credit > w_.EffectiveMaxBlock(p)) return false;
        const int last = std::min(LastCoveredDay(q, in.day), model::kDayCells - 1);
        for (int d = in.day; d <= last; ++d) {
            const size_t k = static_cast<size_t>(d);
            if (p.DayAssignment[k] != model::kDayEmpty || p.DayLocked[k] != 0 || DaysOff(c)[k]) return false;
        }
        const RestJudgement rest = JudgeAssignRest(w_, c, in.pair, in.day);
        if (rest.Refused() || rest.Asks()) return false;
        if (!TrialRestWalkHolds(w_, c, in.pair, in.day)) return false;
        if (w_.IsFlightAttendants() && !JudgeFrenchCabin(w_, c, in.pair, in.day).passes) return false;
        return TwoCaptainConflict(w_, c, in.pair, in.day).empty();
    }

    static bool NoNewFlags(const Document& doc, const TPilot& before, const TPilot& after) {
        for (int d = 0; d <= doc.DayCount + 5 && d < model::kDayCells; ++d)
            if (after.DayIllegal[static_cast<size_t>(d)] && !before.DayIllegal[static_cast<size_t>(d)]) return false;
        return true;
    }

    // Places the instance when it fits and no block it touches gains a flagged day.
    bool TryPlace(int c, const Instance& in) {
        if (!Fits(c, in)) return false;
        TPair& q = w_.Pairings[static_cast<size_t>(in.pair)];
        // Holders of the trip's other cabin positions are judged with it.
        std::vector<int> touched{c};
        if (w_.IsFlightAttendants())
            for (int h : CabinSiblingHolders(w_, in.pair, in.day))
                if (h != c) touched.push_back(h);
        std::vector<TPilot> saved;
        for (int t : touched) {
            if (t != c) CheckBlock(w_, t);
            saved.push_back(Row(t));
        }
        const int32_t status = q.DayStatus[static_cast<size_t>(in.day)];
        Row(c).DayAssignment[static_cast<size_t>(in.day)] = in.pair;
        q.TakeInstance(in.day);
        bool clean = true;
        for (size_t i = 0; i < touched.size() && clean; ++i) {
            CheckBlock(w_, touched[i]);
            clean = NoNewFlags(w_, saved[i], Row(touched[i]));
        }
        if (!clean) {
            for (size_t i = 0; i < touched.size(); ++i) Row(touched[i]) = std::move(saved[i]);
            q.DayStatus[static_cast<size_t>(in.day)] = status;
            return false;
        }
        ComputeCredit(w_, c, false);
        placed_.push_back({c, in.pair, in.day, IsBid(c, in.pair)});
        return true;
    }

    // Takes a proposed placement back off the copy.
    void Unplace(size_t index) {
        const Placement pl = placed_[index];
        Row(pl.crew).DayAssignment[static_cast<size_t>(pl.day)] = model::kDayEmpty;
        w_.Pairings[static_cast<size_t>(pl.pair)].ReleaseInstance(pl.day);
        placed_.erase(placed_.begin() + static_cast<std::ptrdiff_t>(index));
        Refresh(pl.crew);
        if (w_.IsFlightAttendants())
            for (int h : CabinSiblingHolders(w_, pl.pair, pl.day)) CheckBlock(w_, h);
    }

    // Cheap look before a swap is tried: the bigger trip's days hold nothing but the smaller
    // trip, and the block stays under its maximum.
    bool RoomAfterSwap(const Placement& small, int32_t smallCredit, const Instance& big) {
        const TPilot& p = Row(small.crew);
        if (MemberCredit(p) - smallCredit + big.credit > w_.EffectiveMaxBlock(p)) return false;
        const TPair& bq = w_.Pairings[static_cast<size_t>(big.pair)];
        const int last = std::min(LastCoveredDay(bq, big.day), model::kDayCells - 1);
        for (int d = big.day; d <= last; ++d) {
            const size_t k = static_cast<size_t>(d);
            if (p.DayLocked[k] != 0 || DaysOff(small.crew)[k]) return false;
            if (p.DayAssignment[k] != model::kDayEmpty && d != small.day) return false;
        }
        return true;
    }

    bool TryExchange(const Instance& big) {
        for (size_t i = 0; i < placed_.size(); ++i) {
            const Placement small = placed_[i];
            if (small.bid) continue;  // a granted bid is never given up
            const TPair& sq = w_.Pairings[static_cast<size_t>(small.pair)];
            const Instance smallIn{small.pair, small.day, InstanceCredit(w_, sq, small.day)};
            if (smallIn.credit >= big.credit) continue;
            // Only a trip that overlaps the bigger one can make room for it.
            const TPair& bq = w_.Pairings[static_cast<size_t>(big.pair)];
            if (small.day > LastCoveredDay(bq, big.day) + 1 || big.day > LastCoveredDay(sq, small.day) + 1) continue;
            if (!RoomAfterSwap(small, smallIn.credit, big)) continue;
            const std::vector<Placement> before = placed_;
            const TPilot savedRow = Row(small.crew);
            const int32_t savedStatus = sq.DayStatus[static_cast<size_t>(small.day)];
            Unplace(i);
            if (TryPlace(small.crew, big)) {
                // The smaller trip goes to another member, or stays open: open time shrinks either way.
                for (int c : members_) {
                    if (c != small.crew && TryPlace(c, smallIn)) break;
                }
                return true;
            }
            // Put everything back exactly as it was.
            Row(small.crew) = savedRow;
            w_.Pairings[static_cast<size_t>(small.pair)].DayStatus[static_cast<size_t>(small.day)] = savedStatus;
            placed_ = before;
            if (w_.IsFlightAttendants())
                for (int h : CabinSiblingHolders(w_, small.pair, small.day)) CheckBlock(w_, h);
        }
        return false;
    }

    Document w_;
    std::vector<int> members_;
    platform::Interaction& ui_;
    std::vector<Instance> open_;
    std::vector<Placement> placed_;
    std::vector<std::vector<int>> bidRanks_;
    std::vector<std::optional<DayMarks>> daysOff_;
    bool cancelled_ = false;
};

ProposalFigures Figures(const Document& before, const Document& after, const std::vector<int>& members,
                        const std::vector<Placement>& placed) {
    ProposalFigures f;
    f.openBefore = OpenTimeTotal(before);
    f.openAfter = OpenTimeTotal(after);
    f.members = static_cast<int32_t>(members.size());
    for (int c : members) {
        if (InsideCreditRange(before, before.Crew[static_cast<size_t>(c)])) ++f.inRangeBefore;
        if (InsideCreditRange(after, after.Crew[static_cast<size_t>(c)])) ++f.inRangeAfter;
    }
    for (const Placement& p : placed) f.bidsGranted += p.bid ? 1 : 0;
    return f;
}

struct Run {
    Proposal proposal;
    std::unique_ptr<Planner> planner;
};

Run RunStrategy(const Document& doc, const std::vector<int>& members, ProposeStrategy strategy, double seconds,
                platform::Interaction& ui) {
    Run run;
    run.planner = std::make_unique<Planner>(doc, members, ui);
    Planner& planner = *run.planner;
    const Clock::time_point start = Clock::now();
    if (strategy == ProposeStrategy::FirstFit) {
        planner.FirstFit();
    } else {
        planner.Best();
        if (seconds > 0) {
            platform::ProgressScope progress(ui, "Proposing blocks (exchanges)", 0);
            planner.Exchange(start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds)));
        }
    }
    run.proposal.used = strategy;
    run.proposal.cancelled = planner.Cancelled();
    run.proposal.placements = planner.Placed();
    return run;
}

}  // namespace

std::vector<int> ProposableMembers(const Document& doc, const std::vector<int>& rows) {
    std::vector<int> members;
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows - 1; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (p.EmployeeNumber <= 0 || p.BidsReserve || p.ReserveLine || p.BlockComplete == 1) continue;
        if (!rows.empty() && std::find(rows.begin(), rows.end(), c) == rows.end()) continue;
        members.push_back(c);
    }
    return members;
}

bool IsBidPairing(const Document& doc, int crew, const TPair& q) {
    const TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    if (!doc.IsFlightAttendants()) {
        const bids::GuessedBid bid = bids::GuessBid(doc, p.BidText);
        for (const auto& request : bid.pairings)
            if (std::find(request.begin(), request.end(), q.PairNumber) != request.end()) return true;
    }
    const bids::SavedFilter saved = bids::ParseSavedFilter(p.SavedFilters);
    if (!saved.present) return false;
    if (std::find(saved.numbers.begin(), saved.numbers.end(), q.PairNumber) != saved.numbers.end()) return true;
    const bids::TextFilter text = bids::SplitTextFilter(saved.text, bids::kMemberItems);
    return !text.include.empty() && bids::MatchesTextFilter(q, text);
}

bool InsideCreditRange(const Document& doc, const TPilot& p) {
    const int32_t credit = p.CreditTotal();
    return credit >= doc.EffectiveMinBlock(p) && credit <= doc.EffectiveMaxBlock(p);
}

Proposal Propose(const Document& doc, const ProposeOptions& options, platform::Interaction& ui) {
    const std::vector<int> members = ProposableMembers(doc, options.rows);
    platform::BusyScope busy(ui);
    Run first = RunStrategy(doc, members, ProposeStrategy::FirstFit, 0, ui);
    Run chosen;
    if (options.strategy == ProposeStrategy::Best && !first.proposal.cancelled) {
        Run best = RunStrategy(doc, members, ProposeStrategy::Best, options.seconds, ui);
        const int32_t openFirst = OpenTimeTotal(first.planner->Month());
        const int32_t openBest = OpenTimeTotal(best.planner->Month());
        auto bids = [](const Proposal& p) {
            return std::count_if(p.placements.begin(), p.placements.end(), [](const Placement& x) { return x.bid; });
        };
        // Kept only when it leaves no more open time and grants no fewer bids.
        const bool dominates = openBest <= openFirst && bids(best.proposal) >= bids(first.proposal);
        chosen = dominates || best.proposal.cancelled ? std::move(best) : std::move(first);
    } else {
        chosen = std::move(first);
    }
    Proposal out = std::move(chosen.proposal);
    if (out.cancelled) return Proposal{out.used, true, {}, {}, {}};

    // The month before, with every member's credit as the engine computes it.
    Document before = doc.Clone();
    for (int c : members) ComputeCredit(before, c, false);
    out.figures = Figures(before, chosen.planner->Month(), members, out.placements);

    std::vector<bool> proposable(static_cast<size_t>(doc.CrewCount), false);
    for (int c : members) proposable[static_cast<size_t>(c)] = true;
    std::vector<int> everyone;
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows - 1; ++c) everyone.push_back(c);
    out.leftOpen = chosen.planner->LeftOver(everyone, proposable);
    return out;
}

ApplyOutcome ApplyProposal(Document& doc, Board& board, platform::Interaction& ui, const Proposal& proposal) {
    ApplyOutcome outcome;
    if (proposal.placements.empty()) return outcome;
    platform::BusyScope busy(ui);
    doc.History.BeginGroup();
    for (const Placement& p : proposal.placements) {
        if (AssignPair(doc, board, ui, p.crew, p.pair, p.day, false) == kAssignDone) ++outcome.applied;
        else ++outcome.refused;
    }
    doc.History.EndGroup();
    return outcome;
}

std::vector<std::string> ProposalSummary(const Document& doc, const Proposal& proposal) {
    std::vector<std::string> lines;
    const ProposalFigures& f = proposal.figures;
    char buf[256];
    lines.push_back(proposal.used == ProposeStrategy::Best ? "Strategy: best" : "Strategy: first-fit");
    if (proposal.placements.empty()) {
        lines.push_back(f.openBefore == 0 ? "Nothing is open: the proposal changes nothing"
                                          : "No open pairing can be placed legally: the proposal changes nothing");
    }
    std::snprintf(buf, sizeof buf, "Open time before %s  after %s", OpenTimeText(f.openBefore).c_str(),
                  OpenTimeText(f.openAfter).c_str());
    lines.push_back(buf);
    std::snprintf(buf, sizeof buf, "Pairings placed %d  left open %d", static_cast<int>(proposal.placements.size()),
                  static_cast<int>(proposal.leftOpen.size()));
    lines.push_back(buf);
    std::snprintf(buf, sizeof buf, "Members inside the credit range before %d  after %d  of %d", f.inRangeBefore,
                  f.inRangeAfter, f.members);
    lines.push_back(buf);
    std::snprintf(buf, sizeof buf, "Bids granted %d", f.bidsGranted);
    lines.push_back(buf);
    // By seniority: roster order, each member with the bids the proposal grants.
    std::map<int, int> granted;
    for (const Placement& p : proposal.placements)
        if (p.bid) ++granted[p.crew];
    for (const auto& [crew, n] : granted) {
        std::snprintf(buf, sizeof buf, "  %03d %s  %d bid%s granted", crew + 1,
                      doc.Crew[static_cast<size_t>(crew)].Name.c_str(), n, n == 1 ? "" : "s");
        lines.push_back(buf);
    }
    return lines;
}

namespace {
std::string InstanceName(const Document& doc, int pair, int day) {
    const TPair& q = doc.Pairings[static_cast<size_t>(pair)];
    char buf[64];
    std::snprintf(buf, sizeof buf, "%c%04d on %02d", q.BaseEqpCode.empty() ? ' ' : q.BaseEqpCode[0], q.PairNumber,
                  doc.DayDate[static_cast<size_t>(day)].day);
    return buf;
}
}  // namespace

std::vector<std::string> PlacementLines(const Document& doc, const Proposal& proposal) {
    std::vector<std::string> lines;
    char buf[256];
    for (const Placement& p : proposal.placements) {
        std::snprintf(buf, sizeof buf, "%03d %s  %s (index %d, day %d)%s", p.crew + 1,
                      doc.Crew[static_cast<size_t>(p.crew)].Name.c_str(), InstanceName(doc, p.pair, p.day).c_str(),
                      p.pair, p.day + 1, p.bid ? " (bid)" : "");
        lines.push_back(buf);
    }
    return lines;
}

std::vector<std::string> LeftOpenLines(const Document& doc, const Proposal& proposal) {
    std::vector<std::string> lines;
    for (const LeftOpen& lo : proposal.leftOpen) {
        std::string line = "Open " + InstanceName(doc, lo.pair, lo.day) + " " + base::FormatTime(lo.credit) + ":";
        for (const ReasonCount& r : lo.reasons) line += " " + r.reason + " " + std::to_string(r.members) + ";";
        lines.push_back(line);
    }
    return lines;
}

}  // namespace lw::rules
