#include "crew.h"

#include <algorithm>
#include <tuple>

namespace lwgen {

namespace {

constexpr int kOtherGroupSize = 15;

const std::vector<std::string> kSurnames = {
    "SMITH", "BROWN", "TREMBLAY", "MARTIN", "ROY", "WILSON", "MACDONALD", "TAYLOR", "CAMPBELL", "ANDERSON",
    "JONES", "LEBLANC", "THOMPSON", "WHITE", "GAUTHIER", "MORIN", "LAMBERT", "MOORE", "YOUNG", "CLARK",
    "MITCHELL", "ROBERTSON", "STEWART", "JOHNSTON", "FRASER", "MURRAY", "WRIGHT", "SCOTT", "REID", "ROSS",
    "GRAHAM", "HALL", "HAMILTON", "KENNEDY", "MCKENZIE", "MACLEOD", "SULLIVAN", "O'BRIEN", "O'NEILL", "BURKE",
    "FERGUSON", "HENDERSON", "PATTERSON", "ARMSTRONG", "BAKER", "CARTER", "COOPER", "DAWSON", "ELLIOTT", "FOSTER",
    "GIBSON", "HARRIS", "HUGHES", "JAMIESON", "KELLY", "LAWSON", "MORRISON", "NELSON", "PARKER", "RICHARDSON",
    "SINCLAIR", "TURNER", "WALKER", "WATSON", "MACINNIS", "CHISHOLM", "MACKINNON", "DOUCETTE", "LANDRY", "CORMIER",
    "CHEN", "WONG", "LI", "NGUYEN", "SINGH", "PATEL", "GILL", "SANDHU", "DHALIWAL", "KHAN",
    "KIM", "PARK", "SANTOS", "ROSSI", "ESPOSITO", "KOWALSKI", "NOWAK", "MULLER", "SCHMIDT", "VAN DER BERG",
    "KOVACS", "IVANOV", "PETROV", "HANSEN", "LARSEN", "OKAFOR", "MENSAH", "HASSAN", "HADDAD", "CHARLES"};

const std::vector<std::string> kFrenchSurnames = {
    "GAGNON", "COTE", "BOUCHARD", "GAGNE", "LAVOIE", "FORTIN", "GAUTHIER", "OUELLET", "PELLETIER", "BELANGER",
    "LEVESQUE", "BERGERON", "LEBLANC", "PAQUETTE", "GIRARD", "SIMARD", "BOUCHER", "CARON", "BEAULIEU", "CLOUTIER",
    "DUBE", "POIRIER", "FOURNIER", "LAPOINTE", "LECLERC", "LEFEBVRE", "POULIN", "THIBAULT", "ST-PIERRE", "NADEAU",
    "MARTEL", "GIGUERE", "DESJARDINS", "D'AMOURS", "LAROCHE-BEAULIEU", "CHARBONNEAU", "LALONDE", "BRUNET", "DION",
    "GRENIER", "HEBERT", "JOLICOEUR", "MERCIER", "PROULX", "RIOUX", "TREMBLAY", "VALLEE", "BOISVERT", "DESROSIERS"};

const std::vector<std::string> kGivenNames = {
    "JAMES", "JOHN", "ROBERT", "MICHAEL", "DAVID", "WILLIAM", "RICHARD", "JOSEPH", "THOMAS", "CHRISTOPHER",
    "DANIEL", "MATTHEW", "ANDREW", "MARK", "PAUL", "STEVEN", "KEVIN", "BRIAN", "JASON", "RYAN",
    "SCOTT", "ERIC", "JEFFREY", "GREGORY", "TYLER", "ADAM", "NATHAN", "SEAN", "COLIN", "GRAEME",
    "MARY", "JENNIFER", "SARAH", "JESSICA", "KAREN", "LISA", "NANCY", "MICHELLE", "LAURA", "EMILY",
    "AMANDA", "MELISSA", "STEPHANIE", "REBECCA", "HEATHER", "NICOLE", "ANGELA", "KATHERINE", "RACHEL", "MEGAN",
    "ALISON", "CAROLYN", "DIANE", "FIONA", "HANNAH", "JULIA", "KELLY", "LINDSAY", "NATALIE", "VICTORIA",
    "RAJ", "PRIYA", "ARJUN", "WEI", "MEI", "HIROSHI", "YUKI", "MIN-JUN", "AISHA", "OMAR"};

const std::vector<std::string> kFrenchGivenNames = {
    "JEAN", "PIERRE", "MARC", "LUC", "FRANCOIS", "MATHIEU", "SEBASTIEN", "OLIVIER", "ALEXANDRE", "PHILIPPE",
    "ETIENNE", "GUILLAUME", "SIMON", "MAXIME", "YANNICK", "JEAN-FRANCOIS", "MARIE", "JULIE", "ISABELLE", "NATHALIE",
    "SYLVIE", "CHANTAL", "GENEVIEVE", "MELANIE", "CAROLINE", "VALERIE", "AMELIE", "CATHERINE", "EMILIE", "JOSEE",
    "MARIE-EVE", "ANNE-SOPHIE", "STEPHANE", "DOMINIQUE", "CLAUDE"};

struct Draft {
    CrewMember m;
    uint64_t tie = 0;
};

Date RandomDate(Rng& rng, Date from, Date to) { return from.AddDays(rng.Range(0, std::max(0, to.DaysSince(from)))); }

void Name(Rng& rng, bool quebec, CrewMember& m) {
    const bool french = rng.Percent(quebec ? 70 : 15);
    m.surname = rng.Pick(french ? kFrenchSurnames : kSurnames);
    m.given = rng.Pick(rng.Percent(french ? 85 : 10) ? kFrenchGivenNames : kGivenNames);
}

void PilotCodes(Rng& rng, bool quebec, const Date& monthStart, CrewMember& m) {
    std::vector<std::string>& c = m.codes;
    if (m.status == "CA") {
        const bool la = rng.Percent(4);
        const bool lc = rng.Percent(7) || (la && rng.Percent(50));
        if (la) c.push_back("LA");
        if (lc) c.push_back("LC");
        if (!la && !lc && rng.Percent(4)) c.push_back("LB");
    }
    const bool newHire = monthStart.DaysSince(m.hired) < 540;
    if (rng.Percent(newHire ? 50 : 2)) c.push_back("ZT");
    if (rng.Percent(quebec ? 55 : 10)) c.push_back("AR");
    if (rng.Percent(quebec ? 30 : 6)) c.push_back("MR");
    if (rng.Percent(3)) c.push_back("PT");
    if (rng.Percent(3)) c.push_back("PC");
    if (rng.Percent(3)) c.push_back("RB");
    if (c.size() > 4) c.resize(4);  // the extract's field holds four
}

void CabinCodes(Rng& rng, bool quebec, CrewMember& m) {
    std::vector<std::string>& c = m.codes;
    if (rng.Percent(quebec ? 85 : 25)) c.push_back("FR");
    if (rng.Percent(m.status == "PU" ? 40 : 5)) c.push_back("IT");
    if (rng.Percent(4)) c.push_back("RB");
}

}  // namespace

std::string CrewMember::GroupKey() const {
    const std::string code = Bases()[static_cast<size_t>(base)].code;
    if (Cabin()) return code + "   " + status;
    return code + std::string(EqpName(eqp)) + status;
}

std::vector<CrewMember> BuildRoster(const Options& o) {
    Rng rng = Rng::Stream(o.seed, "crew");
    const Base& base = Bases()[static_cast<size_t>(o.base)];
    const bool quebec = base.letter == 'M';
    const Date start = o.month.first;
    const int year = start.Year();
    std::vector<Draft> drafts;
    auto add = [&](Eqp eqp, const std::string& status, bool chosen) {
        Draft d;
        CrewMember& m = d.m;
        m.base = o.base;
        m.eqp = eqp;
        m.status = status;
        m.chosenGroup = chosen;
        Name(rng, quebec, m);
        if (status == "CA")
            m.hired = RandomDate(rng, Date::FromDmy(1, 1, year - 30), Date::FromDmy(31, 12, year - 7));
        else if (status == "FO")
            m.hired = RandomDate(rng, Date::FromDmy(1, 1, year - 12), start.AddDays(-60));
        else
            m.hired = RandomDate(rng, Date::FromDmy(1, 1, year - 35), start.AddDays(-45));
        d.tie = rng.Next();
        drafts.push_back(d);
    };

    if (o.Pilots()) {
        std::vector<Eqp> fleet = base.fleet;
        if (std::find(fleet.begin(), fleet.end(), o.eqp) == fleet.end()) fleet.push_back(o.eqp);
        for (Eqp eqp : fleet) {
            for (const char* status : {"CA", "FO"}) {
                const bool chosen = eqp == o.eqp && (std::string(status) == "CA") == (o.status == Status::Captain);
                const int size = eqp == o.eqp ? o.crew : kOtherGroupSize;
                for (int i = 0; i < size; ++i) add(eqp, status, chosen);
            }
        }
    } else {
        for (int i = 0; i < o.crew; ++i) add(Eqp::DH8, "FA", true);
    }

    std::sort(drafts.begin(), drafts.end(), [](const Draft& a, const Draft& b) {
        return std::tie(a.m.hired, a.tie) < std::tie(b.m.hired, b.tie);
    });

    std::vector<CrewMember> roster;
    int64_t employee = 100000 + rng.Range(0, 900);
    const int cabinCount = static_cast<int>(drafts.size());
    for (Draft& d : drafts) {
        CrewMember& m = d.m;
        m.seniority = static_cast<int>(roster.size()) + 1;
        m.employee = employee;
        employee += rng.Range(1, 37);
        if (m.Cabin()) {
            // Pursers come mostly from the senior third.
            m.status = rng.Percent(m.seniority * 3 <= cabinCount ? 70 : 10) ? "PU" : "FA";
            CabinCodes(rng, quebec, m);
        } else {
            m.licence = m.status == "CA" || rng.Percent(40) ? "ATPL" : "CPL";
            m.licenceNumber = rng.Range(100000, 999999);
            m.medicalDue = start.AddDays(rng.Range(20, 360));
            PilotCodes(rng, quebec, start, m);
        }
        roster.push_back(m);
    }
    return roster;
}

}  // namespace lwgen
