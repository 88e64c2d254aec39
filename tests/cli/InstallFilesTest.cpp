// The man page and the bash completion are written by hand; these tests hold them to what kv310ctl's own
// --help says, so that a verb or option added to one cannot be forgotten in the others.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "CliSupport.h"
#include "RunCli.h"

namespace {

using Options = std::set<std::string>;

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// "-o" and "-h" are the short forms of --output and --help.
std::string LongForm(const std::string& option) {
    return option == "-o" ? "--output" : option == "-h" ? "--help" : option;
}

Options OptionsIn(const std::string& line) {
    static const std::regex kOption(R"((?:^|[\s\[,|])(--?[a-z][a-z-]*))");
    Options options;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), kOption); it != std::sregex_iterator();
         ++it) {
        options.insert(LongForm((*it)[1]));
    }
    return options;
}

// The options a verb's --help names on its usage lines and option lines (not those its prose mentions).
Options HelpOptions(const std::string& verb) {
    static const std::regex kUsageOrOption(R"(^(Usage: kv310ctl|\s+kv310ctl|\s+-).*)");
    std::istringstream help(RunCli({verb, "--help"}).strOut);
    Options options;
    for (std::string line; std::getline(help, line);) {
        if (std::regex_match(line, kUsageOrOption)) {
            options.merge(OptionsIn(line));
        }
    }
    return options;
}

std::set<std::string> HelpVerbs() {
    static const std::regex kVerbLine(R"(^  ([a-z]+) .*)");
    std::istringstream help(RunCli({"--help"}).strOut);
    std::set<std::string> verbs;
    std::smatch match;
    for (std::string line; std::getline(help, line);) {
        if (std::regex_match(line, match, kVerbLine)) {
            verbs.insert(match[1]);
        }
    }
    return verbs;
}

// The man page's verbs (each a .SS of VERBS) with the options of their .TP items; "" holds OPTIONS' items.
std::map<std::string, Options> ManPageOptions() {
    std::string text = std::regex_replace(Slurp(KV310_MAN_PAGE), std::regex(R"(\\f[BIRP])"), "");
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    std::istringstream man(text);
    std::map<std::string, Options> verbs;
    std::string section;
    std::string verb;
    bool item = false;
    for (std::string line; std::getline(man, line);) {
        if (line.rfind(".SH ", 0) == 0) {
            section = line.substr(4);
            verb.clear();
        } else if (section == "VERBS" && line.rfind(".SS ", 0) == 0) {
            verb = line.substr(line.find_first_not_of("\" ", 4));
            verb = verb.substr(0, verb.find_first_of(" \""));
            verbs[verb];
        } else if (item && (section == "OPTIONS" || !verb.empty())) {
            verbs[verb].merge(OptionsIn(line));
        }
        item = line == ".TP";
    }
    return verbs;
}

// A shell word list the completion script sets: verbs="...", or a verb's case) opts="...".
std::map<std::string, Options> CompletionLists() {
    static const std::regex kList(R"(^\s*(?:local )?([a-z]+)(?:\) opts|)="([^"]*)\".*)");
    std::istringstream script(Slurp(KV310_COMPLETION));
    std::map<std::string, Options> lists;
    std::smatch match;
    for (std::string line; std::getline(script, line);) {
        if (std::regex_match(line, match, kList)) {
            std::istringstream words(match[2].str());
            Options& list = lists[match[1]];
            for (std::string word; words >> word;) {
                list.insert(LongForm(word));
            }
        }
    }
    return lists;
}

std::set<std::string> VerbsWithoutThisBuild() {
#ifdef KV310_HAVE_PRINT
    return {};
#else
    return {"print"};  // the print verb is left out of builds without the window layer
#endif
}

TEST(ManPage, DocumentsEveryVerbWithExactlyTheOptionsItsHelpNames) {
    std::map<std::string, Options> man = ManPageOptions();
    EXPECT_EQ(man[""], (Options{"--help", "--version"}));
    man.erase("");
    for (const std::string& verb : VerbsWithoutThisBuild()) {
        man.erase(verb);
    }
    std::set<std::string> manVerbs;
    for (const auto& [verb, options] : man) {
        manVerbs.insert(verb);
        EXPECT_EQ(options, HelpOptions(verb)) << "the options of " << verb;
    }
    EXPECT_EQ(manVerbs, HelpVerbs());
}

TEST(BashCompletion, OffersEveryVerbWithTheOptionsItsHelpNames) {
    std::map<std::string, Options> lists = CompletionLists();
    Options verbs = lists["verbs"];
    for (const std::string& verb : VerbsWithoutThisBuild()) {
        verbs.erase(verb);
    }
    EXPECT_EQ(verbs, HelpVerbs());
    for (const std::string& verb : verbs) {
        EXPECT_EQ(lists[verb], HelpOptions(verb)) << "the options of " << verb;
    }
}

TEST(BashCompletion, OffersEveryModelNameTheToolTakes) {
    const Options models = CompletionLists()["models"];
    const std::string overview = RunCli({"--help"}).strOut;
    EXPECT_EQ(models.size(), 4u);
    for (const std::string& model : models) {
        int row = 0;
        EXPECT_TRUE(ParseModel(model, row)) << model;
        EXPECT_NE(overview.find(model), std::string::npos) << model;
    }
}

// Typed words and what Tab offers (bash-completion loads the script as it would from its folder).
TEST(BashCompletion, CompletesVerbsOptionsModelsAndPortsInBash) {
    const char* const kLoader = "/usr/share/bash-completion/bash_completion";
    if (!std::ifstream(kLoader)) {
        GTEST_SKIP() << "bash-completion is not installed";
    }
    const struct {
        const char* words;
        const char* offered;
    } kCases[] = {
        {"st", "status"},
        {"new --m", "--model"},
        {"new --model kv330-", "kv330-vhf kv330-uhf"},
        {"read --port COM4", "COM49"},
        {"simulate --fault bad", "bad-checksum:"},
    };
    for (const auto& typed : kCases) {
        const std::string script = std::string("source ") + kLoader + "; source " + KV310_COMPLETION +
                                   "; COMP_WORDS=(" KV310CTL_PATH " " + typed.words +
                                   "); COMP_CWORD=$((${#COMP_WORDS[@]}-1)); COMP_LINE=\"${COMP_WORDS[*]}\"; "
                                   "COMP_POINT=${#COMP_LINE}; _kv310ctl; echo \"${COMPREPLY[*]}\"";
        FILE* bash = ::popen(
            ("bash -c '" + std::regex_replace(script, std::regex("'"), "'\\''") + "' 2>/dev/null").c_str(),
            "r");
        ASSERT_NE(bash, nullptr);
        char line[512] = {};
        const bool got = std::fgets(line, sizeof line, bash) != nullptr;
        ::pclose(bash);
        std::string offered = got ? std::string(line) : std::string();
        offered.erase(offered.find_last_not_of('\n') + 1);
        EXPECT_EQ(offered, typed.offered) << "after: kv310ctl " << typed.words;
    }
}

// The README.txt the Windows installer and zip carry: what a technician there needs when something goes
// wrong.
TEST(WindowsReadme, NamesTheHelpVerbsTheFoldersTheLogsRotationAndTheZip) {
    const std::string text = Slurp(KV310_WINDOWS_README);
    for (const char* needed : {"kv310ctl ports --wait-new", "kv310ctl log", "kv310ctl report",
                               "KV310\\backups", "KV310\\traces", "transfers.tsv", "transfers.1.tsv",
                               "compressed archive", "kv310-windows-x86_64.zip", "No installation needed"}) {
        EXPECT_NE(text.find(needed), std::string::npos) << needed;
    }
}

TEST(Version, NamesTheProjectVersionAndTheCommitWhenTheBuildHasOne) {
    const SCliResult result = RunCli({"--version"});
    EXPECT_EQ(result.nExit, kExitOk);
    EXPECT_TRUE(std::regex_match(
        result.strOut, std::regex("kv310ctl " KV310_PROJECT_VERSION R"(( \(git [0-9a-f]{12}\))?\n)")))
        << result.strOut;
}

}  // namespace
