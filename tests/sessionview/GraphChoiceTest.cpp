#include "SessionViewFixture.h"

#include "sessionview/SessionGraphChoice.h"

#include <QComboBox>
#include <QLabel>

#include <vector>

namespace {

using namespace sessionview;
using Quantity = SessionGraphQuantity;
using Codes = std::vector<int>;

Codes codes(const QComboBox &list) {
    Codes all;
    for (int i = 0; i < list.count(); ++i)
        all.push_back(list.itemData(i).toInt());
    return all;
}

TEST(GraphChoices, EachKindOfActivityOffersItsQuantities) {
    const struct {
        const char *name;
        int type;
        std::optional<int> firstKind;
        Codes items;
        int defaultLeft, defaultRight, fallbackLeft, fallbackRight;
    } cases[] = {
        {"speed", 1, 1, {0, 1, 2}, 1, 0, 1, 2},
        {"GPS", 5, 2, {0, 1, 2, 3, 4}, 1, 3, 1, 3},
        {"joined with GPS", 20, 2, {0, 1, 2, 3, 4, 5}, 1, 5, 1, 2},
        {"joined with speed", 20, 1, {0, 1, 2, 5}, 1, 3, 1, 2},
        {"joined without speed samples", 20, std::nullopt, {0, 1, 2, 5}, 1, 3, 1, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto choices = ChoicesForType(c.type, c.firstKind);
        ASSERT_TRUE(choices);
        Codes items;
        for (Quantity quantity : choices->items)
            items.push_back(static_cast<int>(quantity));
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(choices->defaultLeft, c.defaultLeft);
        EXPECT_EQ(choices->defaultRight, c.defaultRight);
        EXPECT_EQ(choices->fallbackLeft, c.fallbackLeft);
        EXPECT_EQ(choices->fallbackRight, c.fallbackRight);
    }
    for (int type : {0, 2, 3, 4, 99})
        EXPECT_FALSE(ChoicesForType(type, 2)) << type;
}

class GraphChoiceTest : public SessionViewFixture {};

TEST_F(GraphChoiceTest, AnActivityShownTheFirstTimeShowsAndStoresItsDefaultsOrFallbacks) {
    const struct {
        const char *name;
        int type;
        std::vector<int> sampleKinds;
        std::optional<int> graph1, graph2;
        Codes items;
        int left, right;
    } cases[] = {
        {"GPS: speed left, altitude right", 5, {2}, {}, {}, {0, 1, 2, 3, 4}, 1, 3},
        {"speed with a stored elevation right falls back to pace", 1, {1}, 1, 4, {0, 1, 2}, 1, 2},
        {"speed with a stored position past the end on the left", 1, {1}, 3, 0, {0, 1, 2}, 1, 0},
        {"joined with GPS: heart rate right", 20, {0, 2}, {}, {}, {0, 1, 2, 3, 4, 5}, 1, 5},
        {"joined with speed: heart rate at position 3", 20, {0, 1}, {}, {}, {0, 1, 2, 5}, 1, 3},
        {"joined without speed samples", 20, {0}, {}, {}, {0, 1, 2, 5}, 1, 3},
        {"joined with a stored 5 and four items falls back to pace", 20, {1}, 2, 5, {0, 1, 2, 5}, 2, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SessionKey key = addStored(c.type, c.graph1, c.graph2);
        for (std::size_t i = 0; i < c.sampleKinds.size(); ++i)
            addSample(key, 2.0 * i, c.sampleKinds[i], 120.0);
        gCurrentSessionKey = key;
        gGraphSelectLive = false;

        window.ReloadGraphSelection(key);

        EXPECT_EQ(codes(*window.cmbGraph1), c.items);
        EXPECT_EQ(codes(*window.cmbGraph2), c.items);
        EXPECT_EQ(window.cmbGraph1->currentIndex(), c.left);
        EXPECT_EQ(window.cmbGraph2->currentIndex(), c.right);
        EXPECT_EQ(stored("Graph1", key), c.left);
        EXPECT_EQ(stored("Graph2", key), c.right);
        EXPECT_TRUE(window.GraphLabel->text().startsWith("Activity on "))
            << window.GraphLabel->text().toStdString();
        EXPECT_TRUE(gGraphSelectLive);
    }
}

TEST_F(GraphChoiceTest, AHeartRateActivityKeepsTheChoosersAndOtherKindsEmptyThem) {
    const SessionKey gps = addStored(5);
    window.ReloadGraphSelection(gps);
    const SessionKey heartRate = addStored(0);
    window.GraphLabel->clear();

    window.ReloadGraphSelection(heartRate);
    EXPECT_EQ(window.cmbGraph1->count(), 5);
    EXPECT_TRUE(window.GraphLabel->text().startsWith("Activity on "));

    for (int type : {99, 2}) {
        const SessionKey other = addStored(type);
        window.GraphLabel->setText("kept");
        window.ReloadGraphSelection(other);
        EXPECT_EQ(window.cmbGraph1->count(), 0) << type;
        EXPECT_EQ(window.cmbGraph2->count(), 0) << type;
        EXPECT_EQ(window.GraphLabel->text(), "kept") << type;
    }
    EXPECT_EQ(stored("Graph1", gps), 1);
}

TEST_F(GraphChoiceTest, TheChoosersStoreOnTheActivityTheyWereFilledFor) {
    const SessionKey current = addStored(1);
    const SessionKey merged = addStored(5);
    gCurrentSessionKey = current;

    window.ReloadGraphSelection(merged);
    window.cmbGraph2->setCurrentIndex(4);

    EXPECT_EQ(stored("Graph2", merged), 4);
    EXPECT_EQ(stored("Graph2", current), std::nullopt);
}

TEST_F(GraphChoiceTest, TheRepairMakesOnlyHeartRateKindSamplesOfASpeedActivitySpeedSamples) {
    const struct {
        const char *name;
        int type;
        std::vector<int> before;
        std::vector<int> after;
    } cases[] = {
        {"speed activity stored as heart rate", 1, {0, 0, 0}, {1, 1, 1}},
        {"GPS activity whose earliest sample has kind 0 keeps its GPS samples",
         5,
         {0, 2, 0, 2},
         {1, 2, 1, 2}},
        {"earliest sample already a speed sample", 1, {1, 0, 1}, {1, 0, 1}},
        {"joined activity", 20, {0, 1, 0}, {0, 1, 0}},
        {"heart-rate activity", 0, {0, 0}, {0, 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SessionKey key = addStored(c.type);
        for (std::size_t i = 0; i < c.before.size(); ++i)
            addSample(key, 1.0 * i, c.before[i]);

        RunDatabaseUpgrade(key);

        std::vector<int> after;
        auto kinds =
            gConn.prepare("select data_type from sessiondata where session_prkey = ? order by cum_duration");
        kinds.bind(1, key);
        while (kinds.step())
            after.push_back(static_cast<int>(kinds.columnInt64(0)));
        EXPECT_EQ(after, c.after);
    }
    RunDatabaseUpgrade(12345); // no such activity
}

} // namespace
