// What ispell-protocol clients ask of the tool before and around checking: the version line, the
// options they pass unasked, and the personal dictionary that "*", "&" and "#" maintain.
#include <regex>

#include "tool_fixture.h"

namespace vantor {
namespace {

using IspellClientTest = ToolTest;

constexpr char kVersionPrefix[] = "@(#) International Ispell Version ";

TEST_F(IspellClientTest, VersionAnswersNameAnIspellReleaseAndTheProduct) {
  for (const char* flag : {"-v", "-vv", "--version"}) {
    const ToolRun run = Run({flag});
    EXPECT_EQ(run.status, kExitClean) << flag;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u) << flag << ": " << run.out;
    EXPECT_EQ(lines[0].rfind(kVersionPrefix, 0), 0u) << lines[0];
    // Clients take the first dotted number as the release and want at least 3.1.12.
    const std::string release = lines[0].substr(sizeof kVersionPrefix - 1, 6);
    EXPECT_EQ(release, "3.1.20") << lines[0];
    // The product's version is the control's revision, whatever it is now.
    EXPECT_TRUE(std::regex_search(lines[0], std::regex(R"( \(Vantor \d+\.\d+\.\d+\)$)")))
        << lines[0];
  }
  // The pipe's banner is the same line.
  EXPECT_EQ(Lines(Run({"-a"}).out).at(0), Lines(Run({"-vv"}).out).at(0));
}

TEST_F(IspellClientTest, OptionsThatClientsPassAreAccepted) {
  const std::vector<std::vector<std::string>> sets = {
      {"-a", "-m", "-B"},  // Emacs, default dictionary
      {"-a", "-m", "-C", "-S", "-W", "0", "-t", "-n"},
      {"-a", "-m", "-d", Path("trovam.tlx"), "-p", Path("p.tlx")},
      {"-a", "-dtrovam.tlx", "-Ttex", "--encoding=utf-8"},  // values attached, and --encoding
      {"-a", "-T", "latin1", "-i", "ISO-8859-1"},
      {"pipe", "-H", "-T", "sgml"},
  };
  for (const auto& arguments : sets) {
    const ToolRun run = Run(arguments, "^the cat\n");
    EXPECT_EQ(run.status, kExitClean) << arguments.back() << ": " << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Lines(run.out).size(), 4u) << run.out;
  }
}

TEST_F(IspellClientTest, UnknownOptionsAndBadValuesAreClearErrors) {
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"-a", "-x"}, "vantor: unknown option -x (see 'vantor pipe --help')\n"},
      {{"-a", "-mB"}, "vantor: unknown option -mB (see 'vantor pipe --help')\n"},
      {{"-a", "-W", "many"},
       "vantor: option -W needs a number from 0 to 80 (see 'vantor pipe --help')\n"},
      {{"-a", "-T", "rtf"},
       "vantor: unknown input type 'rtf' for -T (html, sgml, tex, nroff, utf8, latin1) "
       "(see 'vantor pipe --help')\n"},
      {{"-a", "-p"}, "vantor: option -p needs a value (see 'vantor pipe --help')\n"},
      {{"check", "-m", "x"}, "vantor: unknown option -m (see 'vantor check --help')\n"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Run(c.arguments, "^the\n");
    EXPECT_EQ(run.status, kExitError) << c.message;
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(IspellClientTest, OptionsChangeTheAnswers) {
  // -W 3 accepts short words; -C accepts run-together words; -H skips markup; -d picks the main
  // dictionary, here one without "cat".
  EXPECT_EQ(Lines(Run({"-a", "-W", "3"}, "^xqz xqzw\n").out).at(1), "*");
  EXPECT_EQ(Lines(Run({"-a", "-W", "3"}, "^xqz xqzw\n").out).at(2).rfind("# xqzw 5", 0), 0u);
  const std::string together = Lines(Run({"-a", "-B"}, "^catdog\n").out).at(1);
  EXPECT_NE(together, "-");
  EXPECT_NE(together, "*");
  EXPECT_EQ(Lines(Run({"-a", "-C"}, "^catdog\n").out).at(1), "-");
  const auto html = Lines(Run({"-a", "-H"}, "^<b class=\"zzq\">cat</b>\n").out);
  ASSERT_EQ(html.size(), 3u);
  EXPECT_EQ(html[1], "*");
  CompileLexicon("other.clx", {"dog"});
  const auto other = Lines(Run({"-a", "-d", Path("other.clx")}, "^dog cat\n").out);
  ASSERT_EQ(other.size(), 4u);
  EXPECT_EQ(other[1], "*");
  EXPECT_NE(other[2], "*");
  EXPECT_EQ(Lines(Run({"-a", "-T", "latin1"}, "^caf\xE9\n").out).at(1), "*");
}

TEST_F(IspellClientTest, ALineThatIsNotUtf8TurnsTheSessionToLatin1) {
  // UTF-8 first; from the first Latin-1 line on, lines and answers are Latin-1.
  const auto lines = Lines(Run({"-a"},
                               "^café\n^caf\xE9"
                               " cafe\n^cafe\n*na\xEF"
                               "f\n^na\xEF"
                               "f\n")
                               .out);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[1], "*");
  EXPECT_EQ(lines[3], "*");
  EXPECT_EQ(lines[4].rfind("& cafe ", 0), 0u) << lines[4];
  EXPECT_NE(lines[4].find(" caf\xE9"), std::string::npos) << lines[4];
  EXPECT_NE(lines[6].find(" caf\xE9"), std::string::npos) << lines[6];
  EXPECT_EQ(lines[8], "*");  // the word added in Latin-1 is known as such
  // A named encoding stays.
  const auto named = Lines(Run({"-a", "--encoding=UTF-8"}, "^caf\xE9\n").out);
  EXPECT_EQ(named.at(1).rfind("& caf ", 0), 0u) << named.at(1);
  EXPECT_EQ(Run({"-l"},
                "cafe\nna\xEF"
                "f caf\xE9\n")
                .out,
            "cafe\nna\xEF"
            "f\n");
}

TEST_F(IspellClientTest, ListModeGivesEachMisspelledWordOnALineOfItsOwn) {
  // Editors use it for long texts: no banner, no commands, every occurrence in order.
  const std::string text = "the helo cat\n*wrld helo\n\n^qqzzx\n";
  const std::string listed = "helo\nwrld\nhelo\nqqzzx\n";
  EXPECT_EQ(Run({"-l"}, text).out, listed);
  EXPECT_EQ(Run({"-l", "-B", "-d", Path("trovam.tlx")}, text).out, listed);
  EXPECT_EQ(Run({"-a", "-l"}, text).out, listed);
  EXPECT_EQ(Run({"-l", "-W", "4"}, text).out, "qqzzx\n");
}

TEST_F(IspellClientTest, PersonalWordsAreSavedToTheDefaultPlaceAndKnownInLaterRuns) {
  // Added words are accepted at once; nothing is written before the save.
  const auto adding = Lines(Run({"-a"}, "*zorp\n&Quux\n^zorp quux\n").out);
  ASSERT_EQ(adding.size(), 4u);
  EXPECT_EQ(adding[1], "*");
  EXPECT_EQ(adding[2], "*");
  EXPECT_FALSE(Exists("vantor/personal.tlx"));
  // The first save creates the folder and the file in the engine's own format.
  const ToolRun saving = Run({"-a"}, "*zorp\n&Quux\n#\n");
  EXPECT_EQ(saving.err, "");
  const std::string text = ReadFile("vantor/personal.tlx");
  EXPECT_EQ(text.rfind("#LID ", 0), 0u) << text;
  EXPECT_NE(text.find("zorp\ti\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("quux\ti\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Quux"), std::string::npos) << text;
  const ToolRun later = Run({"-a"}, "^zorp quux Quux blorp\n");
  const auto lines = Lines(later.out);
  ASSERT_EQ(lines.size(), 6u) << later.out;
  EXPECT_EQ(lines[1], "*");
  EXPECT_EQ(lines[2], "*");
  EXPECT_EQ(lines[3], "*");
  EXPECT_NE(lines[4], "*");
  // A later save adds to the file.
  Run({"-a"}, "*blorp\n#\n");
  EXPECT_NE(ReadFile("vantor/personal.tlx").find("zorp"), std::string::npos);
  EXPECT_EQ(Lines(Run({"-a"}, "^blorp\n").out).at(1), "*");
  // Words accepted for the session only are never saved.
  Run({"-a"}, "@fnord\n#\n");
  EXPECT_EQ(ReadFile("vantor/personal.tlx").find("fnord"), std::string::npos);
  EXPECT_NE(Lines(Run({"-a"}, "^fnord\n").out).at(1), "*");
}

TEST_F(IspellClientTest, NamedPersonalDictionaryIsCreatedOnSaveAndAFileOfOtherTextRefused) {
  const ToolRun saving = Run({"-a", "-p", Path("mine.tlx")}, "*zorp\n#\n");
  EXPECT_EQ(saving.status, kExitClean) << saving.err;
  EXPECT_EQ(Lines(Run({"-a", "-p", Path("mine.tlx")}, "^zorp\n").out).at(1), "*");
  EXPECT_NE(Lines(Run({"-a"}, "^zorp\n").out).at(1), "*");  // not the default one
  for (const std::string& bytes : {std::string("just some words\nwithout a header\n"),
                                   std::string("\x89PNG\r\n\x1A\n\0\0", 10)}) {
    WriteFile("notes.txt", bytes);
    const ToolRun refused = Run({"-a", "-p", Path("notes.txt")}, "*zorp\n#\n");
    EXPECT_EQ(refused.status, kExitError);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err.rfind("vantor: cannot use " + Path("notes.txt") +
                                    " as the personal dictionary, left as it is: ",
                                0),
              0u)
        << refused.err;
    EXPECT_EQ(ReadFile("notes.txt"), bytes);
  }
}

TEST_F(IspellClientTest, AFailedSaveIsReportedAndTheWordsKept) {
  // A plain file where the dictionary's folder should be: neither folder nor file can be made.
  WriteFile("plain", "text");
  const std::string file = (folder_ / "plain" / "mine.tlx").string();
  const ToolRun run = Run({"-a", "-p", file}, "*zorp\n#\n^zorp\n");
  EXPECT_EQ(run.status, kExitClean);
  EXPECT_EQ(run.err.rfind("vantor: cannot use " + file, 0), 0u) << run.err;
  EXPECT_EQ(Lines(run.out).at(1), "*");  // still accepted for the session
  EXPECT_EQ(ReadFile("plain"), "text");
}

}  // namespace
}  // namespace vantor
