// The help projects are complete: every file they list is there, and every link of the pages, the
// contents and the index leads to a page of the same help file (and to an anchor that exists).
// The English help has the Japanese one's pages and anchors, so a topic opens in either.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string HelpDir = std::string(QZ57_SOURCE_DIR) + "/help/";
const std::string EnglishDir = HelpDir + "en/";
const std::string PicturesDir = std::string(QZ57_SOURCE_DIR) + "/resources/pictures/";

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The [FILES] section of a project: paths relative to the project folder.
std::vector<std::string> projectFiles(const std::string& dir = HelpDir,
                                      const std::string& name = "QZ57editor.hhp") {
    std::istringstream project(readText(dir + name));
    std::vector<std::string> files;
    bool inFiles = false;
    for (std::string line; std::getline(project, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[')
            inFiles = line == "[FILES]";
        else if (inFiles && !line.empty())
            files.push_back(line);
    }
    return files;
}

std::vector<std::string> matches(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

// A link "page.html#anchor" (relative to html/) must name a listed page and, with an anchor, a
// name in that page.
void expectLinkResolves(const std::string& link, const std::set<std::string>& pages,
                        const std::string& dir = HelpDir) {
    const size_t hash = link.find('#');
    const std::string page = link.substr(0, hash);
    ASSERT_TRUE(pages.count(page)) << link;
    if (hash != std::string::npos) {
        const std::string anchor = "name=\"" + link.substr(hash + 1) + "\"";
        EXPECT_NE(readText(dir + "html/" + page).find(anchor), std::string::npos) << link;
    }
}

std::set<std::string> listedPages(const std::string& dir = HelpDir,
                                  const std::string& name = "QZ57editor.hhp") {
    std::set<std::string> pages;
    for (const std::string& file : projectFiles(dir, name))
        if (file.rfind("html/", 0) == 0 && file.size() > 5 && file.ends_with(".html"))
            pages.insert(file.substr(5));
    return pages;
}

TEST(HelpProject, ListsFilesThatExist) {
    const std::vector<std::string> files = projectFiles();
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        // The pictures are those of the parameter dialog, copied in when the help is built.
        const std::string path =
            file.rfind("html/pictures/", 0) == 0 ? PicturesDir + file.substr(14) : HelpDir + file;
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << file;
    }
}

TEST(HelpProject, OpensOnAListedPageWithContentsAndIndex) {
    const std::string project = readText(HelpDir + "QZ57editor.hhp");
    EXPECT_NE(project.find("Default topic=html/index.html"), std::string::npos);
    EXPECT_NE(project.find("Language=0x411"), std::string::npos);
    EXPECT_NE(project.find("Compiled file=QZ57editor.chm"), std::string::npos);
    EXPECT_TRUE(listedPages().count("index.html"));
    EXPECT_TRUE(std::filesystem::is_regular_file(HelpDir + "toc.hhc"));
    EXPECT_TRUE(std::filesystem::is_regular_file(HelpDir + "index.hhk"));
}

TEST(HelpPages, DeclareUtf8AndLinkOnlyToListedPages) {
    const std::set<std::string> pages = listedPages();
    const std::vector<std::string> listed = projectFiles();
    const std::set<std::string> files(listed.begin(), listed.end());
    for (const std::string& page : pages) {
        SCOPED_TRACE(page);
        const std::string html = readText(HelpDir + "html/" + page);
        // The build rewrites this declaration when it converts the page to Shift_JIS.
        EXPECT_NE(html.find("charset=utf-8"), std::string::npos);
        EXPECT_NE(html.find("<title>"), std::string::npos);
        for (const std::string& link :
             matches(html, std::regex(R"re(href="([^"]+\.html[^"]*)")re")))
            expectLinkResolves(link, pages);
        for (const std::string& image : matches(html, std::regex(R"re(src="([^"]+)")re")))
            EXPECT_TRUE(files.count("html/" + image)) << image;
    }
}

TEST(HelpContentsAndIndex, LeadToListedPages) {
    const std::set<std::string> pages = listedPages();
    for (const char* name : {"toc.hhc", "index.hhk"}) {
        SCOPED_TRACE(name);
        const std::vector<std::string> links = matches(
            readText(HelpDir + name), std::regex(R"re(name="Local" value="html/([^"]+)")re"));
        EXPECT_FALSE(links.empty());
        for (const std::string& link : links)
            expectLinkResolves(link, pages);
    }
}

TEST(HelpContents, CoversEveryPage) {
    const std::string contents = readText(HelpDir + "toc.hhc");
    for (const std::string& page : listedPages())
        EXPECT_NE(contents.find("value=\"html/" + page + "\""), std::string::npos) << page;
}

constexpr const char* EnglishProject = "QZ57editor-en.hhp";

TEST(EnglishHelp, ListsFilesThatExistAndOpensInEnglish) {
    const std::vector<std::string> files = projectFiles(EnglishDir, EnglishProject);
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        const std::string path = file.rfind("html/pictures/", 0) == 0
                                     ? PicturesDir + file.substr(14)
                                     : EnglishDir + file;
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << file;
    }
    const std::string project = readText(EnglishDir + EnglishProject);
    EXPECT_NE(project.find("Default topic=html/index.html"), std::string::npos);
    EXPECT_NE(project.find("Language=0x409"), std::string::npos);
    EXPECT_NE(project.find("Compiled file=QZ57editor-en.chm"), std::string::npos);
}

// The same pages and anchors as the Japanese help: the program opens the same topic in either.
TEST(EnglishHelp, HasThePagesAndAnchorsOfTheJapaneseHelp) {
    const std::set<std::string> pages = listedPages(EnglishDir, EnglishProject);
    EXPECT_EQ(pages, listedPages());
    const std::regex anchor(R"re(name="([^"]+)")re");
    for (const std::string& page : pages)
        EXPECT_EQ(matches(readText(EnglishDir + "html/" + page), anchor),
                  matches(readText(HelpDir + "html/" + page), anchor))
            << page;
}

// HTML Help reads an English help file in Windows-1252; plain ASCII with entities reads the same
// in any code page.
TEST(EnglishHelp, PagesAreAsciiAndLinkOnlyToListedPages) {
    const std::set<std::string> pages = listedPages(EnglishDir, EnglishProject);
    for (const std::string& name : {std::string("toc.hhc"), std::string("index.hhk")}) {
        const std::string text = readText(EnglishDir + name);
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        })) << name;
        for (const std::string& link :
             matches(text, std::regex(R"re(name="Local" value="html/([^"]+)")re")))
            expectLinkResolves(link, pages, EnglishDir);
    }
    const std::string contents = readText(EnglishDir + "toc.hhc");
    for (const std::string& page : pages) {
        SCOPED_TRACE(page);
        const std::string html = readText(EnglishDir + "html/" + page);
        EXPECT_TRUE(std::all_of(html.begin(), html.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        EXPECT_NE(html.find("<title>"), std::string::npos);
        EXPECT_NE(contents.find("value=\"html/" + page + "\""), std::string::npos);
        for (const std::string& link :
             matches(html, std::regex(R"re(href="([^"]+\.html[^"]*)")re")))
            expectLinkResolves(link, pages, EnglishDir);
    }
}

} // namespace
