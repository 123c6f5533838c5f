#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>

#include "edit/Creation.h"
#include "io/DocumentCommands.h"
#include "io/TilingFile.h"
#include "seteditor/EditorCommands.h"
#include "seteditor/SetFile.h"
#include "support/EditorFixture.h"
#include "support/TempDir.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
const std::string kPrevious = "previous content\n";

int filesIn(const std::filesystem::path& dir) {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

template <class T>
struct Case {
    const char* what;
    std::function<void(T&)> change;
    bool readable;
};

TEST(WriterRefusal, TilingWriterTakesExactlyWhatTheReaderTakes) {
    const Case<Tiling> cases[] = {
        {"x NaN", [](Tiling& t) { t.shapes[1].x = kNan; }, false},
        {"y -inf", [](Tiling& t) { t.shapes[1].y = -kInf; }, false},
        {"x largest", [](Tiling& t) { t.shapes[1].x = -DBL_MAX; }, true},
        {"kind 2", [](Tiling& t) { t.shapes[1].kind = 2; }, false},
        {"angle 10", [](Tiling& t) { t.shapes[1].angle = 10; }, false},
        {"angle 9", [](Tiling& t) { t.shapes[1].angle = 9; }, true},
        {"colour 0", [](Tiling& t) { t.shapes[1].color = 0; }, false},
        {"colour 21", [](Tiling& t) { t.shapes[1].color = 21; }, false},
        {"colour -20", [](Tiling& t) { t.shapes[1].color = -20; }, true},
        {"contour x inf", [](Tiling& t) { t.contour[0].x = kInf; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakeShell shell;
        const auto t = createTiling(shell);
        test::TempDir dir{"rho-writer"};
        const std::string path = dir / "kept.rho";
        std::ofstream(path) << kPrevious;
        t->shapes[++t->shapeLast] = TileShape{0.0, 0.0, kLargeShape, 0, 1};
        t->shapes[++t->shapeLast] = TileShape{40.0, 0.0, kSmallShape, 2, -5};
        t->contour[++t->contourLast] = ContourVertex{{1, 1}, 3.0, 4.0};
        c.change(*t);

        auto tables = std::make_unique<TilingTables>();
        EXPECT_EQ(parseTilingText(tilingText(*t), *tables), c.readable);
        t->fileName = path;
        t->untitled = 0;
        t->modified = 1;
        save1Click(*t, shell);
        if (c.readable) {
            EXPECT_EQ(test::slurp(path), tilingText(*t));
            EXPECT_TRUE(shell.messages.empty());
            continue;
        }
        EXPECT_EQ(shell.messageTexts(), Texts{"Error writing file"});
        EXPECT_EQ(std::tuple(test::slurp(path), filesIn(dir.path), t->modified, t->statusText),
                  std::tuple(kPrevious, 1, 1, "saving file"));
    }
}

struct WriterRefusalSet : test::EditorFixture {
    test::TempDir dir{"rho-set-writer"};
};

TEST_F(WriterRefusalSet, SetWriterTakesExactlyWhatTheReaderTakes) {
    const Case<SetObject> cases[] = {
        {"kind 3", [](SetObject& o) { o.objectKind = 3; }, false},
        {"kind 2", [](SetObject& o) { o.objectKind = 2; }, true},
        {"last x NaN", [](SetObject& o) { o.points[2].x = kNan; }, false},
        {"y largest", [](SetObject& o) { o.points[0].y = DBL_MAX; }, true},
        {"unused slot NaN", [](SetObject& o) { o.points[3].x = kNan; }, true},
    };
    const std::string path = dir / "kept.rhs";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(path) << kPrevious;
        editorShell.messages.clear();
        SetObject o{1, 2, 0xff, 0xff00, {{1, 2}, {3, 4}, {5, 7}}};
        c.change(o);
        tiling->set.small.count = 1;
        tiling->set.small.objects[0] = SetObject{0, 1, 0, 0, {{0, 0}, {10, 0}}};
        tiling->set.large.count = 1;
        tiling->set.large.objects[0] = o;
        e.workingDrawing = tiling->set.small;

        SetDesign read;
        EXPECT_EQ(parseSetText(setFileText(tiling->set), read) == SetParse::Ok, c.readable);
        e.fileName = path;
        e.untitled = false;
        e.modified = true;
        save1Click(e);
        if (c.readable) {
            EXPECT_EQ(test::slurp(path), setFileText(tiling->set));
            EXPECT_TRUE(editorShell.messages.empty());
            continue;
        }
        EXPECT_EQ(editorShell.messageTexts(), Texts{"Error writing file"});
        EXPECT_EQ(std::tuple(test::slurp(path), filesIn(dir.path), e.modified), std::tuple(kPrevious, 1, true));
    }
}

}  // namespace
}  // namespace rho
