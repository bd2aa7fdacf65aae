// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of wks-settings. A new command is a row here, in the manual page's order
// (docs/wks-settings.1 describes it too), and its function in commands.h.

#include "cli/commands.h"
#include "cli/json.h"

namespace wks::cli {

const std::vector<Command>& commands() {
    // Counted in the catalogue, so that a model added there is counted here.
    static const std::string modelsHelp =
        "Lists the " + std::to_string(catalogue().size()) +
        " camera models: display name, file stem, camera family,\n"
        "whether the model has the SMTP SSL option and the game call.\n";
    static const std::vector<Command> table = {
        {"models",
         "list the camera models with stem, family and options",
         "wks-settings models [--json]",
         modelsHelp.c_str(),
         {{kJsonOption, nullptr, "print one JSON document instead (its fields: wks-settings(1))"}},
         false,
         cmdModels},
        {"presets",
         "list the built-in country/operator presets, or one country's values",
         "wks-settings presets [COUNTRY] [--json]",
         "Without COUNTRY, lists the 25 countries in table order, each with its operators\n"
         "(tab-separated). With COUNTRY (its name in the table, exactly), prints each operator's\n"
         "13 network values under the settings file's key names, with the sender account\n"
         "that choosing it gives (Sweden and Denmark have their own).\n",
         {{kJsonOption, nullptr, "print one JSON document instead (its fields: wks-settings(1))"}},
         false,
         cmdPresets},
        {"drives",
         "list the drive letters with their folders, and which are usable",
         "wks-settings drives [--json]",
         "Lists each drive letter of your table as the main screen finds it now: the letters\n"
         "of the links in ~/.local/share/wks-config/dosdevices, and the removable media mounted\n"
         "now (in /media/$USER, /run/media/$USER, or anywhere from a USB disk or card reader)\n"
         "from D: upward. Each line: letter, folder, volume label, free space, and whether it\n"
         "is usable; when not, why: no folder, not enterable, or no answer in time (a drive\n"
         "that does not answer within a second, such as a sleeping network share).\n",
         {{kJsonOption, nullptr, "print one JSON document instead (its fields: wks-settings(1))"}},
         false,
         cmdDrives},
        {"new",
         "write a new settings file for a model onto a card folder",
         "wks-settings new MODEL --card DIR [CHANGES]",
         "Starts from the model's defaults, applies CHANGES in the order below and writes\n"
         "DIR/GSM/<stem>.TXT exactly as a save writes the card file; prints its path.\n"
         "MODEL is a display name, compared exactly (wks-settings models lists them).\n",
         {{"card", "DIR", "the card folder"}},
         true,
         cmdNew},
        {"save",
         "open, change and save a model's settings as the main screen does",
         "wks-settings save MODEL [--drive L=DIR]... [--to L] [--defaults] [CHANGES]\n"
         "                  [--audio SOURCE] [--keep-copies] [--yes | --no] [--eject]",
         "The main screen without a window. The drives given are the only ones examined,\n"
         "chosen and cleared of copies; C: holds the backup and is your own drive_c unless\n"
         "given, and it is a destination only when given or chosen with --to C. Opening scans\n"
         "them and loads the card file, else the backup, else the defaults, printing each\n"
         "message with its caption. When none of the drives given can be entered, nothing is\n"
         "written (exit status 1). Without --drive, the drives are your own letters (the\n"
         "dosdevices links and removable media), C: a destination only with --to C; when no\n"
         "drive besides C: can be entered, nothing is written: \"no card found\" (status 1).\n"
         "Each file on a drive is named with its real folder too, as in\n"
         "E:\\GSM\\KT470RX.TXT (/media/anna/TRAILCAM/GSM/KT470RX.TXT). Before the question the\n"
         "save lists the model's settings files on the other drives, which it removes after\n"
         "writing (\"Removed ...\" for each) unless --keep-copies is given.\n"
         "Exit status 0 when everything was saved, 1 when a save failed or was cancelled,\n"
         "a copy could not be deleted or the game call of --audio was not placed (or, with\n"
         "--eject, the card was not made safe to remove), 2 for bad input.\n",
         {{"drive", "L=DIR", "give folder DIR the drive letter L (C to Z); once per drive"},
          {"to", "L",
           "save to drive L (otherwise, with --drive, the opening's choice stands;\n"
           "without, the one drive holding the model's file, else the only drive)"},
          {"defaults", nullptr, "\"Default Setting\", answered OK"},
          {"audio", "SOURCE", "the game call to convert onto the card (game-call models)"},
          {"keep-copies", nullptr, "leave the model's settings files on the other drives"},
          {"yes", nullptr, "answer the questions OK"},
          {"no", nullptr,
           "answer them Cancel; without either they are asked on the terminal,\n"
           "and answered Cancel when there is none"},
          {"eject", nullptr, "after a save, make the card safe to remove (as eject does)"}},
         true,
         cmdSave},
        {"station",
         "write card after card for the cameras of a list: write, verify, eject",
         "wks-settings station MODEL --from FILE [--cameras FILE] [--report FILE]\n"
         "                  [--overwrite] [--any-medium] [--count N] [--audio SOURCE]",
         "Waits for cards and writes each for the next camera of the list not yet done:\n"
         "the settings of --from with the camera's own columns over them, each card's camera\n"
         "clock set to the time it is written, and the game call of --audio. Each card is\n"
         "read back and compared byte for byte, judged as check judges it, then ejected\n"
         "(unmounted and powered off through UDisks2); one line per card: \"CAM-07 done —\n"
         "safe to remove\". Without UDisks2 the drive letters' media are watched, the card is\n"
         "flushed, and the line says to unmount it before removing it. The list is CSV with a\n"
         "header: a cameraID column, columns named by a key of the settings file (\"Camera\n"
         "Position\", \"AdministratorNum\", ...), and the columns of a Camtrap DP deployments\n"
         "table, carried into the report. Every row is checked before the first card. Without\n"
         "a list the cameras are CAM-001, CAM-002, ... for as many cards as come. A card that\n"
         "holds the model's settings file is left untouched without --overwrite; one holding\n"
         "another model's always is. Only cards are served: a medium in a card reader's\n"
         "slot, or one the system calls a flash card. A USB stick or disk is left alone (not\n"
         "mounted, written or ejected; one line says so) unless --any-medium is given. Without\n"
         "UDisks2, a medium whose disk sysfs calls not removable is left alone, and one sysfs\n"
         "knows nothing of is served only when it comes after the start. The report\n"
         "(default: beside the list, LIST-report.csv) gets a row per card; run again with\n"
         "the same report, the station goes on with the cameras not yet done. Ctrl-C stops\n"
         "after the current card (exit status 130). Exit status 0 when every card was\n"
         "written, 1 when one was not, 2 for bad input (a bad list: its line and column are\n"
         "named).\n",
         {{"from", "FILE", "the settings file every card starts from"},
          {"cameras", "FILE", "the camera list (CSV)"},
          {"report", "FILE", "the report (CSV); rows are appended"},
          {"overwrite", nullptr, "write cards that hold the model's settings file already"},
          {"any-medium", nullptr, "take any removable medium for a card (a USB stick too)"},
          {"count", "N", "stop after N cards written"},
          {"audio", "SOURCE", "the game call for every card (game-call models)"}},
         false,
         cmdStation},
        {"eject",
         "make a drive safe to remove: flush, unmount, power off",
         "wks-settings eject L",
         "Flushes the drive, then unmounts it and powers its slot off through UDisks2.\n"
         "Without UDisks2 (or for a folder it does not know) the drive is only flushed and the\n"
         "line says to unmount it before removing it. Exit status 0 when it is safe to remove,\n"
         "1 when not, 2 for bad input.\n",
         {},
         false,
         cmdEject},
        {"show",
         "print every key of a settings file with its meaning",
         "wks-settings show FILE --model MODEL [--json]",
         "Prints each section and key of FILE; camera values with their meaning\n"
         "(\"PIR Interval = 13  (2 minutes)\"). Control characters are printed as \\xNN.\n",
         {{"model", "MODEL", "the camera model the file is for"},
          {kJsonOption, nullptr, "print one JSON document instead (its fields: wks-settings(1))"}},
         false,
         cmdShow},
        {"check",
         "check a settings file against a model",
         "wks-settings check FILE --model MODEL [--json]",
         "Checks the file mark, every key the model needs and every camera value against its\n"
         "codes. Names each problem on its own line; exit status 1 when there is one.\n",
         {{"model", "MODEL", "the camera model the file is for"},
          {kJsonOption, nullptr, "print one JSON document instead (its fields: wks-settings(1))"}},
         false,
         cmdCheck},
        {"ini",
         "read or write one key of an INI file",
         "wks-settings ini get FILE SECTION KEY [--size N]\n"
         "wks-settings ini set FILE SECTION KEY VALUE",
         "get prints what the private-profile read returns with a buffer of N bytes\n"
         "(default 256); set is one private-profile write. Names and values are Latin-1 in\n"
         "the file; set refuses what would be read back as other lines (a line break, \"]\"\n"
         "in SECTION, \"=\" in KEY or a KEY beginning with \"[\" or \";\").\n",
         {{"size", "N", "the buffer of get, in bytes (at most 65535)"}},
         false,
         cmdIni},
        {"audio",
         "convert a game-call audio file onto a card folder",
         "wks-settings audio SOURCE --card DIR [--yes | --no]",
         "Stages the converter in C:\\WKS_TEMP, converts SOURCE (mp3, wav or aac) into\n"
         "DIR/DCIM/100WKSIM/ADUI0001.WAV as a save does, then removes C:\\WKS_TEMP.\n"
         "When the camera's IMAG0001.JPG or VIDE0001.AVI is there, they must be renamed:\n"
         "--yes agrees, --no declines; otherwise the terminal asks (no terminal: declined).\n"
         "A game call already on the card is named, with its real folder, before it is\n"
         "replaced. Prints the converted file's path. Exit status 0 when it was placed,\n"
         "1 when it was not, 2 for a missing SOURCE or DIR.\n",
         {{"card", "DIR", "the card folder"},
          {"yes", nullptr, "agree to rename them"},
          {"no", nullptr, "decline"}},
         false,
         cmdAudio},
        {"mail-test",
         "log in to a settings file's sender account as the camera will",
         "wks-settings mail-test FILE --model MODEL [--send] [--trust-unverified]",
         "Reads the sender account of FILE (SEND EMAIL SERVER, its PORT, SEND EMAIL ADDRESS and\n"
         "PASSWORD, and SMTP SSL for the models that have it) and logs in to the mail server as\n"
         "the camera will: name look-up, connection, TLS from the first byte when SMTP SSL is 1,\n"
         "greeting, login with the address as the user name. Prints one line per step and, for\n"
         "a failure, what to change. Each step may take 10 s, the whole test 20 s. Nothing is\n"
         "written and the password is never printed. An address that is not one plain mailbox\n"
         "stops the test before it connects. When the server's certificate cannot be verified,\n"
         "the test goes as far as the server's greeting and does not log in: the password is\n"
         "not sent unless --trust-unverified is given. Without SMTP SSL a passed test says that\n"
         "the password crossed the network unencrypted, as it will from the camera.\n"
         "Exit status 0 when the login (and with --send the delivery) worked, 1 when not (also\n"
         "when the login was not tried), 2 for bad input.\n",
         {{"model", "MODEL", "the camera model the file is for"},
          {"send", nullptr,
           "then send a test message (subject \"WKS CONFIG test\", a short text and a\n"
           "small JPEG picture) from the sender address to ReceiveEmail1"},
          {"trust-unverified", nullptr,
           "log in even when the server's certificate cannot be verified\n"
           "(self-signed, expired, made out to another name)"}},
         false,
         cmdMailTest},
        {"completion",
         "print the bash or zsh completion of wks-settings",
         "wks-settings completion bash\n"
         "wks-settings completion zsh",
         "Prints the shell's completion of wks-settings, made from its table of commands:\n"
         "commands, options, model, country and operator names, the drive letters of your\n"
         "table, files and folders where they are asked. make install and the package put\n"
         "both where the shells look; without them, eval \"$(wks-settings completion bash)\"\n"
         "in ~/.bashrc, or the zsh one saved as _wks-settings in a folder of $fpath.\n",
         {},
         false,
         cmdCompletion},
    };
    return table;
}

}  // namespace wks::cli
