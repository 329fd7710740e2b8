#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/state_json.h"
#include "caustics/caustics_window.h"
#include "forms/surface.h"

namespace rainbow {
namespace {

// A baker that keeps what it was given: the items in order and the scale each batch began with.
class RecordingBaker : public Baker {
public:
    struct Underlay : rainbow::Underlay {
        std::vector<Item> items;
        std::vector<Scale> scales;
    };

    void bake(const Surface&, std::shared_ptr<rainbow::Underlay>& underlay,
              std::span<const Item> items, Scale scale) override {
        if (!underlay) underlay = std::make_shared<Underlay>();
        auto& u = static_cast<Underlay&>(*underlay);
        u.items.insert(u.items.end(), items.begin(), items.end());
        u.scales.push_back(scale);
    }
    static const Underlay* of(const Surface& s) {
        return static_cast<const Underlay*>(s.underlay());
    }
};

// Installs a baker for one test.
class Bake : public ::testing::Test {
protected:
    void SetUp() override { Surface::set_baker(&baker_); }
    void TearDown() override { Surface::set_baker(nullptr); }
    RecordingBaker baker_;
};

// A line whose x tells its place in the drawing order.
void draw_lines(Surface& s, int from, int count) {
    for (int i = from; i < from + count; ++i) s.line(float(i), 0, float(i), 1);
}

float x_of(const Item& item) { return std::get<LineItem>(item).x1; }

TEST_F(Bake, NothingChangesBelowTheCap) {
    Surface s(3000, 3000);
    s.scale(0, 0, 100, 100);
    draw_lines(s, 0, int(Surface::bake_cap) - 1);
    EXPECT_EQ(s.items().size(), Surface::bake_cap);
    EXPECT_EQ(s.baked_count(), 0u);
    EXPECT_EQ(s.underlay(), nullptr);
}

TEST_F(Bake, PastTheCapTheListStaysShortAndNoItemIsLostOrReordered) {
    Surface s(3000, 3000);
    s.scale(0, 0, 100, 100);
    const int total = int(Surface::bake_cap) + 5 * int(Surface::bake_chunk) + 17;
    draw_lines(s, 0, total - 1);  // after the scale
    EXPECT_LE(s.items().size(), Surface::bake_chunk);
    EXPECT_EQ(s.baked_count() + s.items().size(), std::size_t(total));

    // The underlay got every item before the listed ones, in order; the listed ones follow.
    const auto* u = RecordingBaker::of(s);
    ASSERT_NE(u, nullptr);
    ASSERT_EQ(u->items.size(), s.baked_count());
    std::vector<Item> all = u->items;
    all.insert(all.end(), s.items().begin(), s.items().end());
    ASSERT_TRUE(std::holds_alternative<ScaleItem>(all[0]));
    for (int i = 1; i < total; ++i) ASSERT_EQ(x_of(all[i]), float(i - 1)) << "item " << i;
}

TEST_F(Bake, EachBatchStartsFromTheScaleInForceAndClsForgetsTheUnderlay) {
    Surface s(3000, 3000);
    draw_lines(s, 0, int(Surface::bake_cap) / 2);
    s.scale(-10, 10, 10, -10);
    draw_lines(s, 0, int(Surface::bake_cap));
    s.scale(0, 0, 5, 5);
    draw_lines(s, 0, int(Surface::bake_chunk) + 1);

    const auto* u = RecordingBaker::of(s);
    ASSERT_NE(u, nullptr);
    ASSERT_GE(u->scales.size(), 2u);
    EXPECT_EQ(u->scales.front(), (Scale{0, 0, 3000, 3000}));  // twips before any scale
    EXPECT_EQ(u->scales.back(), (Scale{-10, 10, 10, -10}));
    EXPECT_EQ(s.base_scale(), (Scale{0, 0, 5, 5}));

    const auto generation = s.generation();
    s.cls();
    EXPECT_EQ(s.baked_count(), 0u);
    EXPECT_EQ(s.underlay(), nullptr);
    EXPECT_GT(s.generation(), generation);
}

TEST(BakeWithoutBaker, EveryItemIsKept) {
    Surface s(3000, 3000);
    draw_lines(s, 0, int(Surface::bake_cap) + 10);
    EXPECT_EQ(s.items().size(), Surface::bake_cap + 10);
    EXPECT_EQ(s.baked_count(), 0u);
}

// Many stacked drawings of the reflected rays: the JSON counts the baked items and lists the
// rest from the scale in force; one drawing's JSON has no count at all.
TEST_F(Bake, StateCountsBakedItemsAndListsTheRestFromTheirScale) {
    Program p;
    CausticsWindow& k = p.kafstikh();
    k.open_caustics_window();
    const auto state = [&] {
        std::ostringstream out;
        write_state_json(p, out);
        return out.str();
    };
    k.Command2.click();
    EXPECT_EQ(state().find("\"baked\""), std::string::npos);

    const Surface& eikona = k.eikona.surface();
    while (eikona.baked_count() == 0) k.Command2.click();
    const std::string json = state();
    const auto at =
        json.find("\"eikona\":{\"baked\":" + std::to_string(eikona.baked_count()) + ",\"items\":[");
    ASSERT_NE(at, std::string::npos);
    const auto first_item = json.find('{', json.find('[', at));
    EXPECT_EQ(json.find("{\"op\":\"scale\"", at), first_item) << json.substr(at, 200);
}

}  // namespace
}  // namespace rainbow
