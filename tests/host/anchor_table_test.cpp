#include <gtest/gtest.h>

#include "console/anchor_table.h"

namespace {

int dialogA;
int dialogB;

const DialogSize CreationClient{441, 282};

TEST(AnchorTable, RecordKeepsPlaceAndDistancesToTheClientEdges) {
    AnchorTable table;
    table.Record(&dialogA, 1012, DialogRect{40, 105, 365, 65}, CreationClient);

    ASSERT_EQ(table.Records().size(), 1u);
    const AnchorRecord& record = table.Records()[0];
    EXPECT_EQ(record.dialog, &dialogA);
    EXPECT_EQ(record.controlId, 1012);
    EXPECT_EQ(record.x, 40);
    EXPECT_EQ(record.y, 105);
    EXPECT_EQ(record.width, 365);
    EXPECT_EQ(record.height, 65);
    EXPECT_EQ(record.clientWidthMinusX, 401);
    EXPECT_EQ(record.clientWidthMinusWidth, 76);
    EXPECT_EQ(record.clientHeightMinusY, 177);
    EXPECT_EQ(record.clientHeightMinusHeight, 217);
}

TEST(AnchorTable, RecordingTheSamePairAgainOverwritesItsRecordInPlace) {
    AnchorTable table;
    table.Record(&dialogA, 1012, DialogRect{40, 105, 365, 65}, CreationClient);
    table.Record(&dialogA, 1007, DialogRect{350, 180, 55, 15}, CreationClient);
    table.Record(&dialogB, 1012, DialogRect{1, 2, 3, 4}, DialogSize{10, 10});
    table.Record(&dialogA, 1012, DialogRect{10, 20, 30, 40}, DialogSize{100, 100});

    ASSERT_EQ(table.Records().size(), 3u);
    EXPECT_EQ(table.Records()[0].controlId, 1012);
    EXPECT_EQ(table.Records()[0].x, 10);
    EXPECT_EQ(table.Records()[0].clientHeightMinusHeight, 60);
    EXPECT_EQ(table.Records()[1].controlId, 1007);
    EXPECT_EQ(table.Records()[2].dialog, &dialogB);
    EXPECT_EQ(table.Records()[2].x, 1);
}

TEST(AnchorTable, GrowingTheClientStretchesAndMovesOnlyWhatTheFlagsAsk) {
    AnchorTable table;
    table.Record(&dialogA, 1012, DialogRect{40, 105, 365, 65}, CreationClient);
    table.Record(&dialogA, 1007, DialogRect{350, 180, 55, 15}, CreationClient);
    const DialogSize grown{481, 322};

    EXPECT_EQ(table.Place(&dialogA, 1012, AnchorStretchWidth | AnchorStretchHeight, grown),
              (DialogRect{40, 105, 405, 105}));
    EXPECT_EQ(table.Place(&dialogA, 1007, AnchorFollowBottom, grown),
              (DialogRect{350, 220, 55, 15}));
    EXPECT_EQ(table.Place(&dialogA, 1012, AnchorStretchWidth, grown),
              (DialogRect{40, 105, 405, 65}));
    EXPECT_EQ(table.Place(&dialogA, 1012, AnchorStretchHeight, grown),
              (DialogRect{40, 105, 365, 105}));
    // No flag leaves the recorded place, whatever the client size.
    EXPECT_EQ(table.Place(&dialogA, 1007, 0, grown), (DialogRect{350, 180, 55, 15}));
}

TEST(AnchorTable, ShrinkingBelowTheRecordedSizeGivesEmptyNotNegativeSizes) {
    AnchorTable table;
    table.Record(&dialogA, 1001, DialogRect{20, 55, 405, 150}, CreationClient);
    table.Record(&dialogA, 1008, DialogRect{350, 220, 55, 15}, CreationClient);

    EXPECT_EQ(table.Place(&dialogA, 1001, 24, DialogSize{400, 250}),
              (DialogRect{20, 55, 364, 118}));
    EXPECT_EQ(table.Place(&dialogA, 1001, 24, DialogSize{10, 20}), (DialogRect{20, 55, 0, 0}));
    // A bottom-following control may go above the top edge; its position is not clamped.
    EXPECT_EQ(table.Place(&dialogA, 1008, AnchorFollowBottom, DialogSize{10, 20}),
              (DialogRect{350, -42, 55, 15}));
}

TEST(AnchorTable, ControlsWithoutARecordAreLeftAlone) {
    AnchorTable table;
    table.Record(&dialogA, 1012, DialogRect{40, 105, 365, 65}, CreationClient);

    EXPECT_FALSE(table.Place(&dialogA, 1608, AnchorFollowBottom, CreationClient));
    EXPECT_FALSE(table.Place(&dialogB, 1012, 24, CreationClient));
}

TEST(DialogUnits, ConvertToTheNearestWholeUnit) {
    const DialogBaseUnits base{6, 13};
    EXPECT_EQ(HorizontalPixels(441, base), 662);  // 661.5 rounds up
    EXPECT_EQ(VerticalPixels(282, base), 458);    // 458.25
    EXPECT_EQ(HorizontalDialogUnits(662, base), 441);
    EXPECT_EQ(VerticalDialogUnits(458, base), 282);
    EXPECT_EQ(HorizontalDialogUnits(7, base), 5);    // 4.67
    EXPECT_EQ(VerticalDialogUnits(-5, base), -3);    // -3.08
    EXPECT_EQ(HorizontalDialogUnits(-9, base), -6);  // -6.0
    EXPECT_EQ(HorizontalPixels(-3, base), -5);       // -4.5 away from zero
    EXPECT_EQ(HorizontalDialogUnits(100, DialogBaseUnits{}), 0);
}

TEST(DialogUnits, RoundTripKeepsWholeUnitsForCommonFonts) {
    for (const DialogBaseUnits base : {DialogBaseUnits{6, 13}, DialogBaseUnits{7, 16},
                                       DialogBaseUnits{8, 16}, DialogBaseUnits{5, 12}}) {
        for (int units = -500; units <= 2000; ++units) {
            ASSERT_EQ(HorizontalDialogUnits(HorizontalPixels(units, base), base), units);
            ASSERT_EQ(VerticalDialogUnits(VerticalPixels(units, base), base), units);
        }
    }
}

}  // namespace
