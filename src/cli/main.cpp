// wks-settings: writes, reads, checks and saves camera settings files without a window.

#include <cstring>
#include <iostream>
#include <iterator>
#include <stdexcept>

#include "cli/changes.h"
#include "cli/commands.h"
#include "cli/terminal.h"

namespace {

using namespace wks::cli;

const Command kCommands[] = {
    {"models", "list the camera models with stem, family and options",
     "usage: wks-settings models\n"
     "Lists the six camera models: display name, file stem, camera family,\n"
     "whether the model has the SMTP SSL option and the game call.\n",
     cmdModels},
    {"audio", "convert a game-call audio file onto a card folder",
     "usage: wks-settings audio SOURCE --card DIR [--yes | --no]\n"
     "Stages the converter in C:\\WKS_TEMP, converts SOURCE (mp3, wav or aac) into\n"
     "DIR/DCIM/100WKSIM/ADUI0001.WAV as a save does, then removes C:\\WKS_TEMP.\n"
     "When the camera's IMAG0001.JPG or VIDE0001.AVI is there, they must be renamed:\n"
     "--yes agrees, --no declines; otherwise the terminal asks (no terminal: declined).\n"
     "Prints the converted file's path. Exit status 0 when it was placed on the card,\n"
     "1 when it was not, 2 for a missing SOURCE or DIR.\n",
     cmdAudio},
    {"new", "write a new settings file for a model onto a card folder",
     "usage: wks-settings new MODEL --card DIR [CHANGES]\n"
     "Starts from the model's defaults, applies CHANGES in the order below and writes\n"
     "DIR/GSM/<stem>.TXT exactly as a save writes the card file; prints its path.\n"
     "MODEL is a display name, compared exactly (wks-settings models lists them).\n",
     cmdNew},
    {"show", "print every key of a settings file with its meaning",
     "usage: wks-settings show FILE --model MODEL\n"
     "Prints each section and key of FILE; camera values with their meaning\n"
     "(\"PIR Interval = 13  (2 minutes)\"). Control characters are printed as \\xNN.\n",
     cmdShow},
    {"check", "check a settings file against a model",
     "usage: wks-settings check FILE --model MODEL\n"
     "Checks the file mark, every key the model needs and every camera value against its\n"
     "codes. Names each problem on its own line; exit status 1 when there is one.\n",
     cmdCheck},
    {"ini", "read or write one key of an INI file",
     "usage: wks-settings ini get FILE SECTION KEY [--size N]\n"
     "       wks-settings ini set FILE SECTION KEY VALUE\n"
     "get prints what the private-profile read returns with a buffer of N bytes\n"
     "(default 256); set is one private-profile write. Names and values are Latin-1 in\n"
     "the file; set refuses what would be read back as other lines (a line break, \"]\"\n"
     "in SECTION, \"=\" in KEY or a KEY beginning with \"[\" or \";\").\n",
     cmdIni},
    {"save", "open, change and save a model's settings as the main screen does",
     "usage: wks-settings save MODEL [--drive L=DIR]... [--to L] [--defaults] [CHANGES]\n"
     "                         [--audio SOURCE] [--yes | --no]\n"
     "The main screen without a window. The drives given are the only ones examined,\n"
     "chosen and cleared of copies; C: holds the backup and is your own drive_c unless\n"
     "given, and it is a destination only when given or chosen with --to C. Opening scans\n"
     "them and loads the card file, else the backup, else the defaults, printing each\n"
     "message with its caption. When none of the drives given can be entered, nothing is\n"
     "written (exit status 1).\n"
     "  --to L       save to drive L (otherwise the opening's choice stands)\n"
     "  --defaults   \"Default Setting (&D)\", answered OK\n"
     "  --audio SOURCE   the game call to convert onto the card (game-call models)\n"
     "  --yes | --no     answer the questions; without either they are asked on the\n"
     "                   terminal, and answered Cancel when there is none\n"
     "Exit status 0 when everything was saved, 1 when a save failed or was cancelled,\n"
     "a copy could not be deleted or the game call of --audio was not placed, 2 for bad\n"
     "input.\n",
     cmdSave},
    {"presets", "list the built-in country/operator presets, or one country's values",
     "usage: wks-settings presets [COUNTRY]\n"
     "Without COUNTRY, lists the 25 countries in table order, each with its operators\n"
     "(tab-separated). With COUNTRY (exact name, case included), prints each operator's\n"
     "13 network values under the settings file's key names, with the sender account\n"
     "that choosing it gives (Sweden and Denmark have their own).\n",
     cmdPresets},
    {"mail-test", "log in to a settings file's sender account as the camera will",
     "usage: wks-settings mail-test FILE --model MODEL [--send]\n"
     "Reads the sender account of FILE (SEND EMAIL SERVER, its PORT, SEND EMAIL ADDRESS and\n"
     "PASSWORD, and SMTP SSL for the models that have it) and logs in to the mail server as\n"
     "the camera will: name look-up, connection, TLS from the first byte when SMTP SSL is 1,\n"
     "greeting, login with the address as the user name. Prints one line per step and, for\n"
     "a failure, what to change. Each step may take 10 s, the whole test 20 s.\n"
     "  --send   then send a test message (subject \"WKS CONFIG test\", a short text and a\n"
     "           small JPEG picture) from the sender address to ReceiveEmail1\n"
     "Nothing is written and the password is never printed. Exit status 0 when the login\n"
     "(and with --send the delivery) worked, 1 when not, 2 for bad input.\n",
     cmdMailTest},
};

void usage(std::ostream& out) {
    out << "usage: wks-settings COMMAND [ARGS]\n\nCommands:\n";
    for (const auto& c : kCommands) out << "  " << c.name << "\t" << c.summary << "\n";
    out << "\nwks-settings COMMAND --help describes one command.\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        usage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? kExitUsage : kExitOk;
    }
    for (const auto& c : kCommands) {
        if (std::strcmp(argv[1], c.name) != 0) continue;
        Args args(std::vector<std::string>(argv + 2, argv + argc));
        if (args.helpRequested()) {
            std::cout << c.help;
            if (std::strstr(c.help, "[CHANGES]")) std::cout << "\n" << Changes::help();
            return kExitOk;
        }
        try {
            return c.run(args);
        } catch (const UsageError& e) {
            std::cerr << "wks-settings " << c.name << ": " << printablePath(e.what()) << "\n";
            return kExitUsage;
        } catch (const std::runtime_error& e) {  // the environment leaves no place to work in
            std::cerr << "wks-settings " << c.name << ": " << e.what() << "\n";
            return kExitProblem;
        }
    }
    std::cerr << "wks-settings: unknown command \"" << printablePath(argv[1]) << "\"\n";
    usage(std::cerr);
    return kExitUsage;
}
