// The batch's own decisions, without a face: the order, the names the
// conversions take (cleaned, and numbered where two codes would share one,
// in any case), which files of a folder are codes, and what each fate and
// the whole batch say. The faces' runs of tests/data/batches.json check the
// rest: the same files giving the same names, bytes and fates everywhere.
#include "convert/codebatch.h"

#include <gtest/gtest.h>

namespace {

struct Naming
{
    const char *title;
    std::vector<std::string> names; // as the face gives them, in its order
    std::vector<std::string> targets; // in the batch's order
};

class BatchNames : public testing::TestWithParam<Naming>
{
};

TEST_P(BatchNames, TakeTheirPlaces)
{
    std::vector<CodeBatch::Input> inputs;
    for (const std::string &name : GetParam().names)
        inputs.push_back({name, name});
    const CodeBatch batch(inputs);
    std::vector<std::string> targets;
    for (const CodeBatch::Item &item : batch.items())
        targets.push_back(item.target + (item.renamed ? " (renamed)" : ""));
    EXPECT_EQ(targets, GetParam().targets);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BatchNames,
    testing::Values(
        Naming{"in_the_order_of_their_names", {"b.txt", "a.txt", "codes/c.txt"}, {"a.txt", "b.txt", "codes/c.txt"}},
        Naming{"one_name_twice", {"hero.txt", "hero.txt", "hero.txt"},
               {"hero.txt", "hero (2).txt (renamed)", "hero (3).txt (renamed)"}},
        Naming{"in_another_case", {"hero.txt", "HERO.TXT"}, {"HERO.TXT", "hero (2).txt (renamed)"}},
        Naming{"a_number_taken_already", {"a.txt", "a.txt", "a (2).txt"},
               {"a (2).txt", "a.txt", "a (3).txt (renamed)"}},
        Naming{"no_extension", {"code", "code"}, {"code", "code (2) (renamed)"}},
        Naming{"a_dot_in_a_folder", {"v1.2/hero", "v1.2/hero"}, {"v1.2/hero", "v1.2/hero (2) (renamed)"}},
        Naming{"nothing_leads_out", {"../../etc/hero.txt", "/abs/hero.txt", "C:\\\\codes\\\\x.txt", "a/./b/../c.txt"},
               {"C/codes/x.txt", "a/c.txt", "abs/hero.txt", "etc/hero.txt"}},
        Naming{"beyond_ascii", {"h\xc3\xa9ros.txt", "H\xc3\xa9ros.txt", "\xe6\x97\xa5.txt"},
               {"H\xc3\xa9ros.txt", "h\xc3\xa9ros (2).txt (renamed)", "\xe6\x97\xa5.txt"}},
        Naming{"an_empty_name", {""}, {"code.txt"}}),
    [](const testing::TestParamInfo<Naming> &info) { return std::string(info.param.title); });

TEST(BatchFolders, TakeTheirCodesAlone)
{
    for (const char *name : {"codes/hero.txt", "codes/old/HERO.TXT", "hero.Txt"})
        EXPECT_TRUE(CodeBatch::takesFromFolder(name)) << name;
    for (const char *name : {"codes/notes.md", "codes/.hero.txt", "codes/.old/hero.txt", ".txt", "codes/txt"})
        EXPECT_FALSE(CodeBatch::takesFromFolder(name)) << name;
}

// Each fate says why, in the words every face shows; the whole batch says
// how many converted, or that it was stopped, and keeps every code's fate.
TEST(BatchFates, SayWhatBecameOfEachCode)
{
    CodeBatch batch({{"a", "a.txt"}, {"b", "b.txt"}, {"c", "c.txt"}, {"d", "d.txt"}, {"e", "e.txt"}, {"f", "f.txt"},
                     {"g", "g.txt"}});
    EXPECT_EQ(batch.convert(0, "107**aa1.2.3\r\n"), "105**aa1");
    EXPECT_FALSE(batch.convert(1, "108**aa1.2.3"));
    batch.refuseUnreadable(2, "Permission denied");
    batch.refuseTooLarge(3, std::uint64_t(3) << 30, std::uint64_t(2) << 30);
    ASSERT_TRUE(batch.convert(4, "106**zz1"));
    batch.notWritten(4, "No space left on device");
    batch.keep(5);
    batch.stop();
    std::vector<std::string> said;
    for (const CodeBatch::Item &item : batch.items())
        said.push_back(item.said.text());
    EXPECT_EQ(said, (std::vector<std::string>{
                        "converted: 1 segment: 0 copied, 1 changed, 0 renumbered, 0 dropped",
                        "not a QVR code: it does not begin with 106 or 107",
                        "could not be read: Permission denied",
                        "holds 3,072 MB; codes of up to 2,048 MB can be converted here",
                        "could not be written: No space left on device",
                        "not converted: a file of its name was there already, and stays as it was",
                        "not converted: the batch was stopped before it",
                    }));
    EXPECT_EQ(batch.converted(), 1u);
    EXPECT_EQ(batch.done(), 7u);
    EXPECT_EQ(batch.summary().text(), "Stopped: converted 1 of 7 codes; every file written before is whole.");
    EXPECT_EQ(CodeBatch({}).summary().text(), "There are no .txt files to convert here.");
}

} // namespace
