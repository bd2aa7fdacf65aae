// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// completion: the shells' completion of wks-settings, made from the command table, so that a new
// command or option completes without another edit. The build writes both scripts, and the
// install puts them where bash and zsh look.

#include <cstdio>
#include <iostream>
#include <sstream>

#include "app/catalogue.h"
#include "cli/changes.h"
#include "cli/commands.h"
#include "presets/presettable.h"

namespace wks::cli {
namespace {

// A text as one shell word, byte for byte: $'...' reads the same in bash and in zsh.
std::string shellWord(const std::string& text) {
    std::string out = "$'";
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\' || c == '\'') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            out += escape;
        } else {
            out += ch;
        }
    }
    return out + "'";
}

std::string joined(const std::vector<std::string>& words, char separator) {
    std::string out;
    for (const auto& w : words) out += (out.empty() ? "" : std::string(1, separator)) + w;
    return out;
}

std::vector<CommandOption> allOptions(const Command& c) {
    auto options = c.options;
    if (c.takesChanges) {
        for (const auto& o : Changes::options()) options.push_back(o);
    }
    return options;
}

const CommandOption* findOption(const std::vector<CommandOption>& options,
                                const std::string& word) {
    for (const auto& o : options) {
        if (word == std::string("--") + o.name) return &o;
    }
    return nullptr;
}

// The forms of a command as its usage lines give them: after the command's name, the words each
// operand place takes, a literal word ("get") or the name of what is asked (MODEL, FILE, ...).
// Options, with their values, and the groups in brackets or parentheses that hold options are
// left out; an operand in brackets ([COUNTRY]) counts.
std::vector<std::string> operandForms(const Command& c) {
    const auto options = allOptions(c);
    std::vector<std::string> lines, forms;
    std::istringstream usage(c.usage);
    for (std::string line; std::getline(usage, line);) {
        if (!lines.empty() && !line.empty() && line[0] == ' ')
            lines.back() += line;  // a form goes on over an indented line
        else
            lines.push_back(line);
    }
    for (const auto& line : lines) {
        std::istringstream in(line);
        std::vector<std::string> words, operands;
        for (std::string w; in >> w;) words.push_back(w);
        for (std::size_t i = 2; i < words.size(); ++i) {  // after "wks-settings NAME"
            const std::string& w = words[i];
            if (w.front() == '[' || w.front() == '(') {
                const char close = w.front() == '[' ? ']' : ')';
                std::string group = w;
                while (group.find(close) == std::string::npos && i + 1 < words.size())
                    group += " " + words[++i];
                const std::string inner = group.substr(1, group.find(close) - 1);
                if (inner.find(' ') == std::string::npos && inner.rfind("--", 0) != 0 &&
                    inner != "CHANGES")
                    operands.push_back(inner);
            } else if (w.rfind("--", 0) == 0) {
                const CommandOption* o = findOption(options, w);
                if (o && o->valueName) ++i;
            } else if (w != "|") {
                operands.push_back(w);
            }
        }
        forms.push_back(joined(operands, ' '));
    }
    return forms;
}

// The table, in a form that bash and zsh read alike.
std::string completionData() {
    std::ostringstream out;
    out << "typeset -ga _wks_settings_commands=(";
    for (const auto& c : commands()) out << " " << shellWord(c.name);
    out << " )\n";

    out << "typeset -gA _wks_settings_options=(\n";
    for (const auto& c : commands()) {
        std::vector<std::string> names;
        for (const auto& o : allOptions(c)) names.push_back(std::string("--") + o.name);
        names.push_back("--help");
        out << "  [" << shellWord(c.name) << "]=" << shellWord(joined(names, ' ')) << "\n";
    }
    out << ")\n";

    // What each option's value is: the name of its value in the table (DIR, L=DIR, MODEL, ...).
    out << "typeset -gA _wks_settings_values=(\n";
    for (const auto& c : commands()) {
        for (const auto& o : allOptions(c)) {
            if (!o.valueName) continue;
            out << "  [" << shellWord(std::string(c.name) + " --" + o.name)
                << "]=" << shellWord(o.valueName) << "\n";
        }
    }
    out << ")\n";

    out << "typeset -gA _wks_settings_forms=(\n";
    for (const auto& c : commands())
        out << "  [" << shellWord(c.name) << "]=" << shellWord(joined(operandForms(c), '\n'))
            << "\n";
    out << ")\n";

    out << "typeset -ga _wks_settings_models=(";
    for (const auto& m : catalogue()) out << " " << shellWord(m.displayName);
    out << " )\n";

    const PresetTable& table = presetTable();
    out << "typeset -ga _wks_settings_countries=(";
    for (const auto& country : table.Countries()) out << " " << shellWord(country);
    out << " )\n";
    out << "typeset -gA _wks_settings_operators=(\n";
    for (const auto& country : table.Countries()) {
        out << "  [" << shellWord(country)
            << "]=" << shellWord(joined(*table.OperatorsOf(country), '\n')) << "\n";
    }
    out << ")\n";
    return out.str();
}

// Reads the words between the program's name and the one being completed, the same in both
// shells: the command, the country given, the operands so far, and the kind of value the last
// option waits for (empty when none). It sets these in its caller.
constexpr const char* kWalk = R"SH(
_wks_settings_walk() {
    local w
    for w; do
        if [[ -n $kind ]]; then
            [[ $kind == COUNTRY ]] && country=$w
            kind=
        elif [[ -z $command ]]; then
            [[ $w == -* ]] || command=$w
        elif [[ $w == --country=* ]]; then
            country=${w#*=}
        elif [[ $w == --*=* ]]; then
            :
        elif [[ $w == --* ]]; then
            kind=${_wks_settings_values[$command $w]}
        else
            operands+=("$w")
        fi
    done
}
)SH";

// What the value of an option or an operand is, by its name in the table: MODEL, COUNTRY and
// OPERATOR complete the names (OPERATOR those of the --country given), FILE and SOURCE files,
// DIR folders, L the letters of the live table, L=DIR a letter, then a folder; a literal word of
// a form completes itself. The words of the line are read as the shell reads them, quotes and
// backslashes taken off, so that "China HongKong" finds its operators.
constexpr const char* kBash = R"BASH(
_wks_settings_lex() {
    local line=${COMP_LINE:0:COMP_POINT} word= quote= started= c i
    _wks_words=()
    for ((i = 0; i < ${#line}; i++)); do
        c=${line:i:1}
        if [[ $quote == "'" ]]; then
            if [[ $c == "'" ]]; then quote=; else word+=$c; fi
        elif [[ $quote == '"' ]]; then
            if [[ $c == '"' ]]; then
                quote=
            elif [[ $c == '\' && ${line:i+1:1} == [\"\\\$\`] ]]; then
                word+=${line:i+1:1}
                ((i++))
            else
                word+=$c
            fi
        elif [[ $c == '\' ]]; then
            word+=${line:i+1:1}
            ((i++))
            started=1
        elif [[ $c == [\'\"] ]]; then
            quote=$c
            started=1
        elif [[ $c == [[:space:]] ]]; then
            [[ -n $started ]] && _wks_words+=("$word")
            word= started=
        else
            word+=$c
            started=1
        fi
    done
    _wks_words+=("$word")
}

# Adds the candidates that begin with what is typed; the shell quotes them as needed.
_wks_settings_reply() {
    local cur=$1 c
    shift
    for c; do
        [[ $c == "$cur"* ]] && COMPREPLY+=("$_wks_prefix$c")
    done
    compopt -o filenames 2>/dev/null
}

_wks_settings_paths() {
    local p
    while IFS= read -r p; do
        COMPREPLY+=("$_wks_prefix$p")
    done < <(compgen "$1" -- "$2")
    compopt -o filenames 2>/dev/null
}

_wks_settings_letters() {
    local line
    while IFS= read -r line; do
        [[ $line == [C-Z]:* ]] && printf '%s\n' "${line%%:*}"
    done < <(command "$_wks_program" drives 2>/dev/null)
}

_wks_settings_value() {
    local kind=$1 cur=$2 country=$3 l
    local -a names
    case $kind in
    MODEL) _wks_settings_reply "$cur" "${_wks_settings_models[@]}" ;;
    COUNTRY) _wks_settings_reply "$cur" "${_wks_settings_countries[@]}" ;;
    OPERATOR)
        if [[ -n $country && -n ${_wks_settings_operators[$country]+set} ]]; then
            mapfile -t names <<<"${_wks_settings_operators[$country]}"
        else
            mapfile -t names < <(printf '%s\n' "${_wks_settings_operators[@]}" | sort -u)
        fi
        _wks_settings_reply "$cur" "${names[@]}"
        ;;
    FILE | SOURCE) _wks_settings_paths -f "$cur" ;;
    DIR) _wks_settings_paths -d "$cur" ;;
    L) _wks_settings_reply "$cur" $(_wks_settings_letters) ;;
    L=DIR)
        if [[ $cur == *=* ]]; then
            # The shell completes after "=" when "=" breaks words; else the letter stays.
            [[ $COMP_WORDBREAKS == *=* ]] || _wks_prefix=${cur%%=*}=
            _wks_settings_paths -d "${cur#*=}"
        else
            for l in {C..Z}; do [[ $l= == "$cur"* ]] && COMPREPLY+=("$l="); done
            compopt -o nospace 2>/dev/null
        fi
        ;;
    [a-z]*) _wks_settings_reply "$cur" "$kind" ;;
    esac
}

_wks_settings() {
    local _wks_words _wks_prefix= _wks_program
    _wks_settings_lex
    _wks_program=${_wks_words[0]}
    local n=${#_wks_words[@]}
    local cur=${_wks_words[n - 1]} command= country= kind= i
    local -a operands
    COMPREPLY=()
    _wks_settings_walk "${_wks_words[@]:1:n > 1 ? n - 2 : 0}"
    if [[ -n $kind ]]; then
        _wks_settings_value "$kind" "$cur" "$country"
    elif [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            _wks_settings_reply "$cur" --help --version
        else
            _wks_settings_reply "$cur" "${_wks_settings_commands[@]}"
        fi
    elif [[ $cur == --*=* ]]; then
        kind=${_wks_settings_values[$command ${cur%%=*}]}
        [[ $COMP_WORDBREAKS == *=* ]] || _wks_prefix=${cur%%=*}=
        [[ -n $kind ]] && _wks_settings_value "$kind" "${cur#*=}" "$country"
    elif [[ $cur == -* ]]; then
        _wks_settings_reply "$cur" ${_wks_settings_options[$command]}
    else
        # The operand at this place in each form that the words so far agree with.
        local form ok
        local -a words
        while IFS= read -r form; do
            read -ra words <<<"$form"
            ok=1
            for ((i = 0; i < ${#operands[@]}; i++)); do
                [[ ${words[i]} == [a-z]* && ${words[i]} != "${operands[i]}" ]] && ok=
            done
            kind=${words[${#operands[@]}]}
            [[ -n $ok && -n $kind ]] && _wks_settings_value "$kind" "$cur" "$country"
        done <<<"${_wks_settings_forms[$command]}"
    fi
    return 0
}

complete -F _wks_settings wks-settings
)BASH";

constexpr const char* kZsh = R"ZSH(
_wks-settings() {
    local command= country= kind= i
    local -a operands
    _wks_settings_walk "${(Q@)words[2,CURRENT-1]}"
    if [[ -n $kind ]]; then
        _wks_settings_value $kind $country
    elif [[ -z $command ]]; then
        if [[ $PREFIX == -* ]]; then
            compadd -- --help --version
        else
            compadd -a _wks_settings_commands
        fi
    elif [[ $PREFIX == --*=* ]]; then
        kind=${_wks_settings_values[$command ${PREFIX%%=*}]}
        compset -P '*='
        [[ -n $kind ]] && _wks_settings_value $kind $country
    elif [[ $PREFIX == -* ]]; then
        compadd -- ${=_wks_settings_options[$command]}
    else
        local form ok
        local -a forms form_words
        forms=("${(@f)_wks_settings_forms[$command]}")
        for form in $forms; do
            form_words=(${=form})
            ok=1
            for ((i = 1; i <= ${#operands}; i++)); do
                [[ $form_words[i] == [a-z]* && $form_words[i] != $operands[i] ]] && ok=
            done
            kind=${form_words[${#operands} + 1]}
            [[ -n $ok && -n $kind ]] && _wks_settings_value $kind $country
        done
    fi
    return 0
}

_wks_settings_value() {
    local kind=$1 country=$2 l
    local -a names letters
    case $kind in
    MODEL) compadd -a _wks_settings_models ;;
    COUNTRY) compadd -a _wks_settings_countries ;;
    OPERATOR)
        if [[ -n $country && -n ${_wks_settings_operators[$country]} ]]; then
            names=("${(@f)_wks_settings_operators[$country]}")
        else
            names=("${(@fu)${(F)_wks_settings_operators}}")
        fi
        compadd -a names
        ;;
    FILE | SOURCE) _files ;;
    DIR) _files -/ ;;
    L)
        for l in "${(@f)$(command $words[1] drives 2>/dev/null)}"; do
            [[ $l == [C-Z]:* ]] && letters+=(${l%%:*})
        done
        compadd -a letters
        ;;
    L=DIR)
        if [[ $PREFIX == *=* ]]; then
            compset -P '*='
            _files -/
        else
            compadd -S '=' -- {C..Z}
        fi
        ;;
    [a-z]*) compadd -- $kind ;;
    esac
}

_wks-settings "$@"
)ZSH";

}  // namespace

int cmdCompletion(Args& args) {
    const auto p = args.expect(1, "wks-settings completion bash|zsh");
    if (p[0] == "bash") {
        std::cout << "# bash completion for wks-settings, made from its command table.\n"
                  << completionData() << kWalk << kBash;
    } else if (p[0] == "zsh") {
        std::cout << "#compdef wks-settings\n"
                     "# zsh completion for wks-settings, made from its command table.\n"
                  << completionData() << kWalk << kZsh;
    } else {
        throw UsageError("completion is for bash or zsh, not \"" + p[0] + "\"");
    }
    return kExitOk;
}

}  // namespace wks::cli
