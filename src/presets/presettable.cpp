// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/presettable.h"

#include <stdexcept>

namespace wks {
namespace {

// One operator's row: the nine network fields; every row shares the default sender account.
struct Row {
    const char* country;
    const char* op;
    const char *url, *apn, *ip, *port, *account, *password;
    const char *gprsApn, *gprsAccount, *gprsPassword;
};

// The shared default sender account of every row.
constexpr const char* kSenderServer = "smtp.example.com";
constexpr const char* kSenderPort = "80";
constexpr const char* kSenderAddr = "trailcam@example.com";
constexpr const char* kSenderPassword = "trailcam-send";

// Values come from the public APN list (apns-conf.xml) of each operator's MCC/MNC; the MMS
// ports are the camera's own. Where that list has no usable value we chose one:
// - Germany "Bild-Vodafone" has no entry of its own: it rides on Vodafone DE, so its values.
// - USA "Cingular(AT&T)": the proxy is named wireless.cingular.com; 66.209.11.33 is the
//   AT&T MMS proxy the list gives for the resellers on the same network.
// - USA "T-Mobile": no proxy listed; 216.155.165.50 is T-Mobile US's long-standing MMS proxy.
// - Canada: Rogers' proxy is a host name, so its well-known address 10.128.1.69; Telus and
//   Koodo share mmscproxy.mobility.ca, 74.49.0.18; Fido's proxy is a host name, so
//   205.151.11.11, the proxy listed for Rogers' network (302-720).
// - "China-Unicom": only the 3G entries are listed; the 2G network used uniwap / uninet
//   with the same MMS centre and proxy.
// - "Peoples" (China Mobile Hong Kong): no proxy listed; 10.0.0.172, the China Mobile
//   group's WAP gateway.
// - Sweden "Telia": no account listed; "wap"/"wap" as on Telia's other WAP entries.
// - Cyprus "ORESTIKA-LINK": not listed; it uses CYTA's network (280-01), with the common
//   "mms"/"mms" account.
// - Slovakia "T-mobile": no GPRS account listed; the carrier's MMS account "mms"/"mms".
// - Latvian "BITE": the account has no password listed; "mms".
// - Israel "CELLCOM": no GPRS account listed; "cellcom"/"cellcom".
// - Norway "Telenor": the proxy is a host name; 10.10.10.11, the proxy listed for the
//   resellers on Telenor's network.
// - Ukraine "UMC Ukraine" and "MTS" are one network (255-01), so the same values.
// Zero-padded addresses in the list (for example 010.000.000.010) are written plainly.
constexpr Row kRows[] = {
    {"Germany", "T-mobile", "http://mms.t-mobile.de/servlets/mms", "internet.telekom",
     "172.28.23.131", "8008", "telekom", "telekom", "internet.telekom", "", ""},
    {"Germany", "E-plus", "http://mms/eplus/", "mms.eplus.de", "212.23.97.153", "8080", "mms",
     "eplus", "internet.eplus.de", "", ""},
    {"Germany", "Vodafone", "http://139.7.24.1/servlets/mms", "event.vodafone.de", "139.7.29.17",
     "80", "", "", "web.vodafone.de", "", ""},
    {"Germany", "Bild-Vodafone", "http://139.7.24.1/servlets/mms", "event.vodafone.de",
     "139.7.29.17", "80", "", "", "web.vodafone.de", "", ""},
    {"Germany", "Germany-02", "http://10.81.0.7:8002", "internet", "82.113.100.5", "8080", "", "",
     "internet", "", ""},
    {"Finland", "Sonera(Oletusasetus)", "http://mms.sonera.fi:8002", "wap.sonera.net",
     "195.156.25.33", "80", "", "", "", "", ""},
    {"Finland", "Saunalahti", "http://mms.saunalahti.fi:8002/", "mms.saunalahti.fi", "62.142.4.197",
     "8080", "", "", "", "", ""},
    {"Finland", "DNA", "http://mmsc.dnafinland.fi/", "mms", "", "8080", "", "", "internet", "", ""},
    {"Finland", "Elisa", "http://mms.elisa.fi", "mms", "213.161.41.57", "80", "", "", "", "", ""},
    {"USA", "Cingular(AT&T)", "http://mmsc.cingular.com", "wap.cingular", "66.209.11.33", "8080",
     "", "", "broadband", "", ""},
    {"USA", "T-Mobile", "http://mms.msg.eng.t-mobile.com/mms/wapenc", "fast.t-mobile.com",
     "216.155.165.50", "8080", "", "", "fast.t-mobile.com", "", ""},
    {"USA", "Viaero", "http://mms.viero.com", "mms", "10.168.3.23", "9401", "", "",
     "internet.vedge.com", "", ""},
    {"Canada", "Rogers", "http://mms.gprs.rogers.com", "netsvcs", "10.128.1.69", "80", "", "", "",
     "", ""},
    {"Canada", "Telus", "http://aliasredirect.net/proxy/mmsc", "sp.telus.com", "74.49.0.18", "80",
     "", "", "", "", ""},
    {"Canada", "Koodo", "http://aliasredirect.net/proxy/koodo/mmsc", "sp.koodo.com", "74.49.0.18",
     "80", "", "", "", "", ""},
    {"Canada", "Fido", "http://mms.fido.ca", "netsvcs", "205.151.11.11", "8080", "", "", "", "",
     ""},
    {"China", "China-Mobile", "http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", "",
     "cmnet", "", ""},
    {"China", "China-Unicom", "http://mmsc.myuni.com.cn", "uniwap", "10.0.0.172", "80", "", "",
     "uninet", "", ""},
    {"China", "China-Unicom-3G", "http://mmsc.myuni.com.cn", "3gwap", "10.0.0.172", "80", "", "",
     "3gnet", "", ""},
    {"China HongKong", "CSL", "http://192.168.58.171:8002", "mobile", "192.168.59.51", "8080", "",
     "", "", "", ""},
    {"China HongKong", "Peoples", "http://mms.hk.chinamobile.com/mms", "cmhk", "10.0.0.172", "8080",
     "", "", "", "", ""},
    {"China HongKong", "Smartone", "http://mms.smartone.com/server", "SmarTone", "10.9.9.9", "8080",
     "", "", "", "", ""},
    {"UK", "Vodafone", "http://mms.vodafone.co.uk/servlets/mms", "wap.vodafone.co.uk",
     "212.183.137.12", "9201", "wap", "wap", "", "", ""},
    {"UK", "Vodafone(Prepay)", "http://mms.vodafone.co.uk/servlets/mms", "pp.vodafone.co.uk",
     "212.183.137.12", "8799", "wap", "wap", "", "", ""},
    {"UK", "Vodafone(Contract)", "http://mms.vodafone.co.uk/servlets/mms", "wap.vodafone.co.uk",
     "212.183.137.12", "8799", "wap", "wap", "", "", ""},
    {"France", "Orange", "http://mms.orange.fr", "orange.acte", "192.168.10.200", "8080", "", "",
     "", "", ""},
    {"Denmark", "TDC", "http://mmsc.tdc.dk:8002", "mms", "194.182.251.15", "8080", "", "",
     "internet", "", ""},
    {"Denmark", "TELENOR", "http://mms.telenor.dk", "telenor", "212.88.64.8", "8080", "", "",
     "internet", "", ""},
    {"Denmark", "TELIA", "http://mms.telia.dk", "www.mms.mtelia.dk", "193.209.134.131", "8080", "",
     "", "www.internet.mtelia.dk", "", ""},
    {"Denmark", "DLG", "http://mms.telia.dk", "mmssp", "193.209.134.131", "8080", "", "", "websp",
     "", ""},
    {"Sweden", "Telia", "http://mmss/", "mms.telia.se", "193.209.134.132", "8080", "wap", "wap",
     "online.telia.se", "", ""},
    {"Sweden", "Telenor", "http://mms", "services.telenor.se", "172.30.253.241", "8799", "", "",
     "internet.telenor.se", "", ""},
    {"Sweden", "Tele 2", "http://mmsc.tele2.se", "4g.tele2.se", "130.244.202.30", "8080", "", "",
     "4g.tele2.se", "", ""},
    {"Holland", "KPN", "http://mp.mobiel.kpn/mmsc", "portalmmm.nl", "10.10.100.20", "9201", "", "",
     "", "", ""},
    {"Italy", "TIM", "http://mms.tim.it/servlets/mms", "mms.tim.it", "213.230.130.89", "80", "", "",
     "", "", ""},
    {"Italy", "Vodafone", "http://mms.vodafone.it/servlets/mms", "mms.vodafone.it", "10.128.224.10",
     "80", "", "", "", "", ""},
    {"Austria", "Austria-A1", "http://mmsc.A1.net", "free.A1.net", "194.48.124.71", "8001", "", "",
     "a1.net", "", ""},
    {"Russia", "Beeline", "http://mms/", "mms.beeline.ru", "192.168.94.23", "8080", "beeline",
     "beeline", "", "", ""},
    {"Russia", "Megafon", "http://mmsc:8002", "mms", "10.10.10.10", "8080", "mms", "mms", "", "",
     ""},
    {"Russia", "MTS", "http://mmsc", "mms.mts.ru", "192.168.192.192", "8080", "mts", "mts",
     "internet.mts.ru", "mts", "mts"},
    {"Switzerland", "Swisscom", "http://mms.natel.ch:8079", "event.swisscom.ch", "192.168.210.2",
     "8080", "", "", "gprs.swisscom.ch", "", ""},
    {"Switzerland", "Orange", "http://192.168.151.3:8002", "mms", "192.168.151.2", "8080", "", "",
     "", "", ""},
    {"Australia", "Telstra", "http://mmsc.telstra.com:8002", "telstra.mms", "10.1.1.180", "80", "",
     "", "", "", ""},
    {"Cyprus", "MTN", "http://mms.mtn.com.cy/mmsc", "mms", "172.24.97.1", "3130", "mms", "mms",
     "internet", "", ""},
    {"Cyprus", "ORESTIKA-LINK", "http://mmsc.cyta.com.cy", "cytamobile", "212.31.96.161", "8080",
     "mms", "mms", "cytamobile", "", ""},
    {"Hungary", "T-Mobile", "http://mms.t-mobile.hu/servlets/mms", "mms", "212.51.126.10", "8080",
     "mms", "mms", "", "", ""},
    {"Chech", "O2", "http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", "",
     "internet", "", ""},
    {"Chech", "T-MOBILE", "http://mms", "mms.t-mobile.cz", "10.0.0.10", "80", "mms", "mms",
     "internet.t-mobile.cz", "", ""},
    {"Chech", "VODAFONE", "http://mms", "mms", "10.11.10.111", "80", "mms", "mms", "internet", "",
     ""},
    {"Ukraine", "UMC Ukraine", "http://mms", "mms", "192.168.10.10", "8080", "", "", "internet", "",
     ""},
    {"Ukraine", "MTS", "http://mms", "mms", "192.168.10.10", "8080", "", "", "internet", "", ""},
    {"Ukraine", "Kyivstar", "http://mms.kyivstar.net", "mms.kyivstar.net", "10.10.10.10", "8080",
     "", "", "www.kyivstar.net", "", ""},
    {"Ukraine", "Life", "http://mms.life", "mms", "10.10.10.10", "8080", "", "", "internet", "",
     ""},
    {"Slovakia", "O2", "http://mms.o2world.sk:8002", "o2mms", "10.97.1.11", "8080", "", "",
     "o2internet", "", ""},
    {"Slovakia", "T-mobile", "http://mms", "mms", "192.168.1.1", "8080", "", "", "internet", "mms",
     "mms"},
    {"Slovakia", "Orange", "http://imms.orange.sk", "mms", "213.151.208.145", "8799", "", "",
     "orangewap", "wap", "wap"},
    {"Mexico", "Movistar", "http://mms.movistar.mx", "mms.movistar.mx", "10.2.20.1", "9201",
     "movistar", "movistar", "internet.movistar.mx", "movistar", "movistar"},
    {"Mexico", "lcel", "http://mms.itelcel.com/servlets/mms", "mms.itelcel.com", "148.233.151.240",
     "8080", "mmsgprs", "mmsgprs2003", "internet.itelcel.com", "webgprs", "webgprs2002"},
    {"Norway", "Telenor", "http://mmsc/", "telenor.smart", "10.10.10.11", "8080", "", "",
     "telenor.smart", "", ""},
    {"Norway", "Netcom", "http://mm/", "netcom", "212.169.66.4", "8080", "", "", "netcom", "", ""},
    {"Latvian", "BITE", "http://mmsc/servlets/mms", "mms", "192.168.150.2", "8080", "mms@mms",
     "mms", "internet", "", ""},
    {"Latvian", "LMT", "http://mmsc.lmt.lv/mmsc", "internet.lmt.lv", "212.93.97.201", "8080", "",
     "", "internet.lmt.lv", "", ""},
    {"Latvian", "TELE2", "http://mmsc.tele2.lv/", "mms.tele2.lv", "193.12.40.38", "8080", "wap",
     "wap", "internet.tele2.lv", "", ""},
    {"Israel", "GOLAN", "http://mmsc.golantelecom.co.il", "mms.golantelecom.net.il",
     "10.224.228.81", "80", "", "", "internet.golantelecom.net.il", "", ""},
    {"Israel", "ORANGE", "http://192.168.220.15/servlets/mms", "uwap.orange.co.il", "192.118.11.55",
     "8080", "", "", "", "orange", "orange"},
    {"Israel", "CELLCOM", "http://mms.cellcom.co.il", "mms", "172.31.29.38", "8080", "", "",
     "internetg", "cellcom", "cellcom"},
};

// The countries whose rows send through a mail account of their own.
struct CountrySender {
    const char* country;
    const char *server, *port, *addr, *password;
};
constexpr CountrySender kCountrySenders[] = {
    {"Sweden", "smtp.telia.example.net", "25", "trailcam.se@example.org", "trailcam-se"},
    {"Denmark", "mail.example.net", "587", "trailcam.dk@example.net", "trailcam-dk"},
};

}  // namespace

PresetTable::PresetTable() {
    std::size_t c = 0, o = 0;
    for (const Row& r : kRows) {
        if (countries_[c].empty()) {
            countries_[c] = r.country;
        } else if (countries_[c] != r.country) {
            countries_.at(++c) = r.country;
            o = 0;
        }
        if (o == kOperatorSlots) throw std::logic_error("too many operators for a country");
        const std::size_t i = c * kOperatorSlots + o++;
        operators_[i] = r.op;
        presets_[i] =
            NetworkPreset{r.url,       r.apn,       r.ip,           r.port,         r.account,
                          r.password,  r.gprsApn,   r.gprsAccount,  r.gprsPassword, kSenderServer,
                          kSenderPort, kSenderAddr, kSenderPassword};
    }
}

std::optional<std::size_t> PresetTable::findCountry(const std::string& country) const {
    for (std::size_t c = 0; c < kCountrySlots && !countries_[c].empty(); ++c) {
        if (countries_[c] == country) return c;
    }
    return std::nullopt;
}

std::vector<std::string> PresetTable::Countries() const {
    std::vector<std::string> names;
    for (std::size_t c = 0; c < kCountrySlots && !countries_[c].empty(); ++c)
        names.push_back(countries_[c]);
    return names;
}

std::optional<std::vector<std::string>> PresetTable::OperatorsOf(const std::string& country) const {
    const auto c = findCountry(country);
    if (!c) return std::nullopt;
    std::vector<std::string> names;
    for (std::size_t o = 0; o < kOperatorSlots && !operatorAt(*c, o).empty(); ++o)
        names.push_back(operatorAt(*c, o));
    return names;
}

bool PresetTable::ApplyPreset(NetworkPreset& current, const std::string& country,
                              const std::string& op) const {
    if (country.empty() || op.empty()) return false;
    const auto c = findCountry(country);
    if (!c) return false;
    for (std::size_t o = 0; o < kOperatorSlots && !operatorAt(*c, o).empty(); ++o) {
        if (operatorAt(*c, o) != op) continue;
        current = presetAt(*c, o);
        ApplyCountrySender(current, country);
    }
    return true;
}

void PresetTable::ApplyCountrySender(NetworkPreset& current, const std::string& country) {
    for (const CountrySender& s : kCountrySenders) {
        if (country != s.country) continue;
        current.SendEmailServer = s.server;
        current.SendEmailPort = s.port;
        current.SendEmailAddr = s.addr;
        current.SendEmailPassword = s.password;
    }
}

const PresetTable& presetTable() {
    static const PresetTable table;
    return table;
}

}  // namespace wks
