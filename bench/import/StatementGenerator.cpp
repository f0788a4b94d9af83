#include "StatementGenerator.h"

#include <cstdio>

namespace {

struct Entry {
    char date[9];
    char amount[16];
    std::string name;
    std::string memo;
    int id;
};

Entry entry(int i) {
    Entry e{};
    std::snprintf(e.date, sizeof e.date, "%04d%02d%02d", 2000 + (i / 336) % 25, 1 + (i / 28) % 12,
                  1 + i % 28);
    int cents = (i * 7919) % 250000 - 200000;
    std::snprintf(e.amount, sizeof e.amount, "%s%d.%02d", cents < 0 ? "-" : "",
                  std::abs(cents) / 100, std::abs(cents) % 100);
    static const char* const kNames[] = {"ACME   STORE #12", "T&amp;T SUPERMARKET",
                                         "PAYROLL DEPOSIT", "CITY WATER",
                                         "COFFEE  HOUSE VANCOUVER"};
    e.name = kNames[i % 5];
    e.memo = "POS PURCHASE " + std::to_string(i % 997);
    e.id = i;
    return e;
}

const char* const kHeader =
    "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\nCHARSET:1252\n"
    "COMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n";

// The statement around the transactions; `close` writes the leaves' end tags.
std::string leaf(const char* tag, const std::string& value, bool close) {
    std::string text = std::string("<") + tag + ">" + value;
    if (close) {
        text += std::string("</") + tag + ">";
    }
    return text + "\n";
}

std::string ofx(int transactions, bool xml) {
    std::string text =
        xml ? "<?xml version=\"1.0\"?>\n<?OFX OFXHEADER=\"200\" VERSION=\"211\"?>\n" : kHeader;
    text += "<OFX>\n<SIGNONMSGSRSV1>\n<SONRS>\n<STATUS>\n" + leaf("CODE", "0", xml) +
            leaf("SEVERITY", "INFO", xml) + "</STATUS>\n" + leaf("DTSERVER", "20250101", xml) +
            leaf("LANGUAGE", "ENG", xml) + "<FI>\n" + leaf("ORG", "Example Bank", xml) +
            leaf("FID", "1234", xml) + "</FI>\n</SONRS>\n</SIGNONMSGSRSV1>\n";
    text += "<BANKMSGSRSV1>\n<STMTTRNRS>\n" + leaf("TRNUID", "1", xml) + "<STMTRS>\n" +
            leaf("CURDEF", "USD", xml) + "<BANKACCTFROM>\n" + leaf("BANKID", "121000248", xml) +
            leaf("ACCTID", "000123456", xml) + leaf("ACCTTYPE", "CHECKING", xml) +
            "</BANKACCTFROM>\n<BANKTRANLIST>\n" + leaf("DTSTART", "20000101", xml) +
            leaf("DTEND", "20241231", xml);
    for (int i = 0; i < transactions; ++i) {
        Entry e = entry(i);
        text += "<STMTTRN>\n" + leaf("TRNTYPE", e.amount[0] == '-' ? "DEBIT" : "CREDIT", xml) +
                leaf("DTPOSTED", std::string(e.date) + "120000.000[-5:EST]", xml) +
                leaf("TRNAMT", e.amount, xml) + leaf("FITID", "F" + std::to_string(e.id), xml) +
                leaf("NAME", e.name, xml) + leaf("MEMO", e.memo, xml) + "</STMTTRN>\n";
    }
    text += "</BANKTRANLIST>\n<LEDGERBAL>\n" + leaf("BALAMT", "1234.56", xml) +
            leaf("DTASOF", "20241231", xml) + "</LEDGERBAL>\n</STMTRS>\n</STMTTRNRS>\n" +
            "</BANKMSGSRSV1>\n</OFX>\n";
    return text;
}

}  // namespace

std::string StatementGenerator::ofxSGML(int transactions) {
    return ofx(transactions, false);
}

std::string StatementGenerator::ofxXML(int transactions) {
    return ofx(transactions, true);
}

std::string StatementGenerator::qif(int transactions) {
    std::string text = "!Type:Bank\n";
    for (int i = 0; i < transactions; ++i) {
        Entry e = entry(i);
        std::string date = std::string(e.date + 4, 2) + "/" + std::string(e.date + 6, 2) + "/" +
                           std::string(e.date, 4);
        text += "D" + date + "\nT" + e.amount + "\nP" + e.name + "\nM" + e.memo + "\nN" +
                std::to_string(1000 + i) + "\nCX\nLGroceries\n^\n";
    }
    return text;
}
