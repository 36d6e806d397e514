// The state of one program run, and the shape of a program.
//
// Every library routine and every lesson section is a free function over one `Program`: the
// caller sets the values a routine reads, calls it, and finds the results in the same
// records. Nothing is global, so one process can run many programs one after another.
#pragma once

#include <string>

#include "lessonlib/checked_array.h"
#include "platform/runtime.h"

namespace lesson {

// The text routines' state.
struct TextState {
  std::string TextToDraw;  // consumed by the text routines
  float TextX = 0;         // left edge of the next text; left just after the text drawn
  float TextY = 0;         // top of the text line
  float TextColour = 0;
  std::string WorkText;    // the shared work string
  std::string CurrentChar; // the character being drawn; elsewhere a second work string
  float CaretFlag = 0;     // 1: the next character is an exponent
  float PenX = 0;          // pen of DrawWideGlyphs; DrawFraction keeps the fraction's left x
};

// The number-input field's state.
struct InputState {
  std::string InputText;   // the characters typed, only "-" "." "/" "0"-"9"
  float InputValue = 0;    // their value; a fraction a/b gives a divided by b
  std::string LastKey;     // the last key read by a key loop
  float FieldX = 0, FieldY = 0;    // where the first typed character goes
  float CursorX = 0, CursorY = 0;  // where the next typed character goes
};

// Box, figure-mark and grid values.
struct FigureState {
  float BoxWidth = 0, BoxHeight = 0;
  float LineColour = 0, FillColour = 0;
  float MarkX0 = 0, MarkY0 = 0, MarkX1 = 0, MarkY1 = 0, MarkX2 = 0, MarkY2 = 0;
  float SegX1 = 0, SegY1 = 0, SegX2 = 0, SegY2 = 0;
  float MarkRadius = 0, MarkCount = 0;
  std::string MarkLabel;
  float LabelOffsetX = 0, LabelOffsetY = 0, LabelStyle = 0;
  float ArcBulge = 0, ArcSide = 0, ArcFlip = 0, TickSpacing = 0;
  float ArcStart = 0, ArcEnd = 0, RayAngle1 = 0, RayAngle2 = 0, BisectorAngle = 0;
  float SegmentAngle = 0, AngleDegrees = 0;
  std::string AngleText;
  float Pi = 0;
  float GridOriginX = 0, GridOriginY = 0, GridColumns = 0, GridCell = 0;
  float GridLeft = 0, GridTop = 0, GridRight = 0, GridBottom = 0, AxisX = 0, AxisY = 0;
  float IconIndex = 0;  // the picture in hand of a row of small pictures
};

// The formula renderer's modes and the layout it leaves for callers.
struct RendererState {
  float FractionMode = 0, RootBarMode = 0, RootBarStartX = 0, RaisedFlag = 0, TallParenFlag = 0;
  float GlyphX = 0, GlyphY = 0;
  std::string GlyphText;
  float GlyphCount = 0, CharByteCount = 0;
  std::string NumeratorText, DenominatorText;
  float NumeratorWidth = 0, DenominatorWidth = 0, FractionWidth = 0;
  float NumeratorOffset = 0, DenominatorOffset = 0;
  float FractionTopY = 0, FractionBarY = 0;
  float NumeratorX = 0, NumeratorY = 0, DenominatorX = 0, DenominatorY = 0;
  std::string RestOfText;
  float RootMarkPosition = 0, RootSignPosition = 0;
};

// Work values that routines overwrite, and the one save slot each for colour and width.
struct WorkValues {
  float TextLength = 0, LoopIndex = 0, TableIndex = 0, MatchPosition = 0, FoundPosition = 0;
  float WorkValueA = 0, WorkValueB = 0, MeasuredWidth = 0;
  float SavedColour = 0, SavedDrawWidth = 0;
};

// Fraction arithmetic's values.
struct FractionState {
  float FractionNumerator = 0, FractionDenominator = 0;
  float OriginalNumerator = 0, OriginalDenominator = 0;
  float FractionSign = 0, FractionKind = 0, Gcd = 0, Lcm = 0;
  std::string TextA, TextB, TextC, SignedTermText, SignText, SignedReductionText;
  std::string PlainTermText, PlainSignedTermText;
  // The sum of two fractions: the addends (normalised to positive denominators), the second
  // numerator and the sum over the common denominator, and the texts of the sum's steps.
  float AddendNumerator1 = 0, AddendDenominator1 = 0, AddendNumerator2 = 0,
        AddendDenominator2 = 0;
  float SecondNumerator = 0, SumNumerator = 0;
  std::string SignedTextA, SumText, SignedSumText, SumOfTermsText;
  std::string FirstOverCommonText, SecondOverCommonText;
};

// Lesson layout and menu state, set by every section before use; also the column layout's.
struct LessonLayout {
  float MenuChoice = 0;
  float MarginX = 0;    // left x of the current block of text
  float ColumnX = 0;    // x of question numbers and headings; left edge of a drill area
  float LineY = 0;      // top of the current line
  float LineEndX = 0;   // where the last text ended
  float DrillItem = 0;
  float RandomPick = 0;
  // The other letter of a drill's letter pair, when the letter solved for is in TextA.
  std::string SecondLetter;
  std::string ColumnOperator;
  float ColumnAnswerX = 0;
  // The corner from which a section places its panel and its erasers; kept from section to
  // section, so a screen that does not set it starts from where the last one left it.
  float PanelX = 0, PanelY = 0;
};

// What the random practices remember from one problem to the next, for the whole run: they
// are shared across sections and chapters and never reset.
struct PracticeMemory {
  // The last first coefficient drawn (sign included); the next practice problem draws its
  // own again while it is equal, so that two problems in a row never open alike.
  float PreviousFirstCoefficient = 0;
  // The sign memory of Varnick's division practices (chapters 4 and 5 share it); 0 at start.
  float LastSign = 0;
};

// The values of the library's figure and graph routines (polygons, line and arc geometry,
// roots, prime factors and divisors, coordinate axes and graphs, arrows and slope triangles,
// boxed labels and braces). The routines share them: a later routine overwrites what an
// earlier one left, so a caller sets every input again before each call.
struct GeometryState {
  // Polygon: the number of vertices (rows of GraphValues) and the sides' draw width; SIZE1 is
  // also the font size of the coordinate axes' numbers.
  float KAKU = 0, SIZE1 = 0;
  // Work points: a second line or an outside point (CX, CY, DX, DY), the foot of a
  // perpendicular (EX, EY), the crossing of two lines (AX2, AY2), a point on an arc and an
  // arrow's end (ZX, ZY), the library's work point (X1, Y1), a radius (R), a length (D).
  float CX = 0, CY = 0, DX = 0, DY = 0, EX = 0, EY = 0, AX2 = 0, AY2 = 0, ZX = 0, ZY = 0;
  float X1 = 0, Y1 = 0, R = 0, D = 0;
  float KAKUDO = 0;         // the angle of an arc point, in degrees
  float LinesParallel = 0;  // 1 when the last crossing asked for was of parallel lines
  // Square roots: the number under the root and what is taken out, with their texts.
  float R1B = 0, R1B1 = 0, R1A = 0, R1I = 0;
  std::string R1A1, CoefficientText, RAB, RABM, RemainingRootText;
  // Prime factors and divisors.
  float SOSU = 0, SOSU1 = 0, Q = 0, KOSUU = 0;
  // The graph window (AA1..AA2 across, BB1..BB2 up), its scales in graph units per grid
  // cell, the axes' one-call "no numbers" switch (-1) and the scaled numbers' work values.
  float AA1 = 0, AA2 = 0, BB1 = 0, BB2 = 0, BAIX = 0, BAIY = 0, NASI = 0, P1 = 0, P2 = 0;
  std::string TickWholeText, TickTenthsText;
  // Plotted points and graphs: the point in graph units and on screen, the label's one-call
  // offsets, the graph type and coefficients, the running point of the dots.
  float XG = 0, YG = 0, GX = 0, GY = 0, KASANARIX = 0, KASANARIY = 0;
  float IROIRO = 0, AA = 0, BB = 0, CC = 0, GX5 = 0, GY5 = 0;
  // Arrows (head at the start with MUKI -1, at both ends with YA 2) and the slope triangle
  // between (GX3, GY3) and (GX4, GY4), with its texts and label selector.
  float MUKI = 0, YA = 0, GX3 = 0, GY3 = 0, GX4 = 0, GY4 = 0;
  std::string SlopeRunText, SlopeRiseText, HYOUJI;
};

// The work arrays that start-up dimensions (indexes 0 to the bound).
struct LessonWork {
  CheckedArray<float, 80> TermValues;
  CheckedArray<std::string, 80> TermTexts;
  CheckedArray<float, 40> AuxValues;
  CheckedArray<std::string, 40> AuxTexts;
  CheckedArray2<std::string, 5, 2> RowTexts;
  CheckedArray2<float, 10, 2> GraphValues;  // polygon vertices, (prime, exponent) rows
  CheckedArray<float, 40> PointX, PointY;
  CheckedArray<float, 10> RadiusValues;     // also the list of primes that factorising tries
  CheckedArray<std::string, 20> PartTexts;
  CheckedArray<std::string, 10> FactorTexts;
  CheckedArray<float, 40> SavedX, SavedY;
};

struct Program;

// The place control goes on to: main menu, chapter entry, sub-menu, section. Each returns the
// next place instead of calling it, so that going round the menus never nests deeper.
struct Jump {
  Jump (*target)(Program&);
};

// What a program supplies to the library.
struct ProgramDefinition {
  const char* title;
  Jump (*main_menu)(Program&);
  // The program's glyph-rule list, entered by the formula renderer for each character that
  // its own markers and signs do not handle.
  void (*apply_glyph_rules)(Program&);
};

struct Program {
  Program(platform::Runtime& runtime, const ProgramDefinition& program_definition)
      : rt(runtime), definition(program_definition) {}

  platform::Runtime& rt;
  const ProgramDefinition& definition;

  std::string TitleText;
  TextState text;
  InputState input;
  FigureState figure;
  RendererState renderer;
  WorkValues values;
  FractionState fraction;
  LessonLayout layout;
  PracticeMemory practice;
  GeometryState geometry;
  LessonWork work;
};

}  // namespace lesson
