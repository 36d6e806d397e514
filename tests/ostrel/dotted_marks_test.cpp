// The dotted marks of Ostrel's figures, mark by mark: how many dots each has (its step in
// degrees, both ends dotted) and on which side of its chord it bulges. A mark's side comes
// from ArcSide alone, a negative bulge being as high as a positive one: the cylinders' back
// halves lie above their chords and their front halves below, the track's marks and the
// semicircles' bows where their labels say.
#include <gtest/gtest.h>

#include <vector>

#include "tests/ostrel/figure_script.h"
#include "tests/ostrel/lesson_script.h"

using namespace ostrel_testing;

namespace {

struct FigureCase {
  const char* chapter;
  const char* item;
  int presses;
  std::vector<DottedRun> marks;  // in the order they are drawn
};

TEST(OstrelDottedMarks, EachMarkHasItsDotsOnItsSide) {
  const FigureCase figures[] = {
      {"3", "4", 12, {
           {37, "0", 844, 70, 844, 310},     // the straights' ends, dotted diameters
           {37, "0", 1084, 70, 1084, 310},
           {23, "3", 844, 190, 864, 310},    // r: right of the lower half of the left one
           {37, "3", 844, 70, 1084, 90},     // a: under the upper straight
           {37, "0", 964, 370, 964, 610},    // with 2πr: the circle's diameter
           {23, "3", 964, 490, 984, 610},    // and its radius
       }},
      {"6", "7", 6, {
           {37, "7", 720, 260, 1140, 290},   // 12cm: over AB
           {181, "0", 720, 290, 1000, 290},  // the diameters AC and CB
           {181, "0", 1000, 290, 1140, 290},
           {37, "7", 720, 290, 1000, 320},   // 2rcm: under AC
       }},
      {"6", "8", 0, {
           {91, "0", 590, 150, 770, 180},    // A: the top's front half, down
           {91, "0", 590, 120, 770, 150},    // its back half, up (bulge -30)
           {91, "0", 590, 450, 770, 480},    // the bottom's front half
           {31, "0", 590, 420, 770, 450},    // its hidden back half, sparser
           {21, "3", 570, 150, 590, 450},    // h, left of the side
           {37, "3", 590, 450, 680, 450},    // r, along the bottom
           {181, "0", 830, 300, 1190, 330},  // B likewise
           {181, "0", 830, 270, 1190, 300},
           {181, "0", 830, 450, 1190, 480},
           {37, "0", 830, 420, 1190, 450},
           {21, "3", 810, 300, 830, 450},
           {61, "3", 830, 450, 1010, 450},
       }},
  };
  for (const FigureCase& figure : figures) {
    SCOPED_TRACE(std::string("section ") + figure.chapter + "." + figure.item);
    EXPECT_EQ(DottedRuns(SectionEvents(figure.chapter, figure.item, Presses(figure.presses))),
              figure.marks);
  }
}

}  // namespace
