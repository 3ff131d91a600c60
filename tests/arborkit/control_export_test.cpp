// The text export: what the file holds, and what happens when it cannot be
// written.
#include "small_tree.h"

#include "test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace ArborkitLib;
using namespace arborkit_test;
using testing::HasSubstr;

namespace {

class Export : public SmallTree {
protected:
    std::string exported(const std::string& name = "tree.txt") {
        const std::filesystem::path path = scratch.path() / name;
        tree.ExportDataToTxt(text(path.u16string()));
        return test_support::readFile(path.string());
    }

    std::string failure(const ComponentString& name) {
        return failureOf([&] { tree.ExportDataToTxt(name); });
    }

    test_support::ScratchDirectory scratch;
};

TEST_F(Export, WritesTheVisibleTreeWithTwoBlanksPerLevel) {
    EXPECT_EQ(exported(), "Name\tSize\n"
                          "docs\t\n"
                          "src\t\n"
                          "readme\t40\n");
    tree.FullExpandNode(docs);
    EXPECT_EQ(exported(), "Name\tSize\n"
                          "docs\t\n"
                          "  a.txt\t10\n"
                          "  img\t\n"
                          "    b.png\t20\n"
                          "src\t\n"
                          "readme\t40\n");
}

TEST_F(Export, FollowsTheVisibleColumnsAndShowsWhatTheCellsShow) {
    tree.SetColumnVisibleIndex(sizeColumn, 0);
    tree.SetColumnCaption(sizeColumn, ComponentString()); // header shows the column's name
    tree.SetColumnCaption(nameColumn, text(u""));
    tree.SetCellDisplayText(readme, sizeColumn, text(u"40 bytes"));
    tree.SetCellValue(src, sizeColumn, Value::FromInt32(-3));
    tree.SetCellValue(docs, sizeColumn, Value::FromIntPtr(IntPtr(1LL << 40)));
    tree.SetCellValue(docs, nameColumn, Value());
    EXPECT_EQ(exported(), "size\t\n"
                          "1099511627776\t\n"
                          "-3\tsrc\n"
                          "40 bytes\treadme\n")
        << "the first column gets the indent, whichever it is";

    tree.SetColumnVisibleIndex(sizeColumn, -1);
    tree.SetColumnVisibleIndex(nameColumn, -1);
    EXPECT_EQ(exported(), "\n\n\n\n") << "no visible column: empty lines, one per node";
}

TEST_F(Export, KeepsEveryLineWholeAndWritesUtf8) {
    tree.SetCellValue(docs, nameColumn, textValue(u"tab\there\nline\rend"));
    tree.SetCellValue(src, nameColumn, textValue(std::u16string(u"nul\0in", 6)));
    tree.SetCellValue(readme, nameColumn, textValue(u"\u00e9\u20ac\U0001F600"));
    tree.SetCellValue(readme, sizeColumn, textValue(std::u16string(1, char16_t(0xD800))));
    EXPECT_EQ(exported(), "Name\tSize\n"
                          "tab here line end\t\n"
                          "nul in\t\n"
                          "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\t\xEF\xBF\xBD\n");
}

TEST_F(Export, AFileThatCannotBeWrittenIsAnErrorAndLeavesAnEarlierFileAlone) {
    const std::filesystem::path earlier = scratch.path() / "kept.txt";
    std::ofstream(earlier) << "earlier";
    std::filesystem::create_directory(scratch.path() / "kept.txt.partial");
    EXPECT_THAT(failure(text(earlier.u16string())), HasSubstr("kept.txt"));
    EXPECT_EQ(test_support::readFile(earlier.string()), "earlier");

    const std::filesystem::path noDirectory = scratch.path() / "missing" / "tree.txt";
    EXPECT_THAT(
        failure(text(noDirectory.u16string())),
        testing::AllOf(HasSubstr("ExportDataToTxt"), HasSubstr("missing"), HasSubstr("tree.txt")));
    EXPECT_FALSE(std::filesystem::exists(noDirectory.parent_path()));

    const std::filesystem::path directory = scratch.path() / "a directory";
    std::filesystem::create_directory(directory);
    EXPECT_THAT(failure(text(directory.u16string())), HasSubstr("a directory"));
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "a directory.partial"))
        << "nothing is left behind";

    EXPECT_THAT(failure(ComponentString()), HasSubstr("the file name is absent"));
    EXPECT_THAT(failure(text(u"")), HasSubstr("empty"));
}

TEST_F(Export, ReplacesAnEarlierFile) {
    exported("again.txt");
    tree.RemoveNode(readme);
    EXPECT_EQ(exported("again.txt"), "Name\tSize\ndocs\t\nsrc\t\n");
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "again.txt.partial"));
}

} // namespace
