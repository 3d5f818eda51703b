#pragma once
// The network: fixed-size global tables numbered from 1, a count per kind, the view state
// and the editing state. Element numbers are positions in their tables; entries beyond a
// count are stale and never read.
#include <QString>

#include "model/ShortString.h"
#include "model/Table.h"

inline constexpr int MaxZEP = 256;
inline constexpr int MaxInput = 512;
inline constexpr int MaxOutput = 256;
inline constexpr int MaxComment = 32;
inline constexpr int MaxDot = 64;
inline constexpr int MaxConn = 512;
inline constexpr int MaxConnPoint = 7;
inline constexpr int MaxLibFunc = 64;
inline constexpr int MaxUserFunc = 256;

using TName = ShortString<15>;
using TCommentText = ShortString<127>;
using TPath = ShortString<255>;

// Source kinds of a ZEP input.
inline constexpr int KindNone = 0;
inline constexpr int KindInput = 1;
inline constexpr int KindZEP = 2;          // a ZEP through a delay of 0..7 scans
inline constexpr int KindZEPNoDelay = 3;   // a ZEP named without delay suffix

struct TZEPText {
  TName Name;
  TName FuncName;
  TName SourceA;
  TName SourceB;
};

struct TZEPLink {
  int FuncCode = 0;
  int AKind = 0;
  int ADelay = 0;
  int AIndex = 0;
  int BKind = 0;
  int BDelay = 0;
  int BIndex = 0;
  int OutIndex = 0;
  friend bool operator==(const TZEPLink&, const TZEPLink&) = default;
};

struct TZEPPos {
  int X = 0;
  int Y = 0;
  int OutLength = 0;
  friend bool operator==(const TZEPPos&, const TZEPPos&) = default;
};

struct TTermPos {
  int X = 0;
  int Y = 0;
  int Length = 0;
  friend bool operator==(const TTermPos&, const TTermPos&) = default;
};

struct TGridPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TGridPoint&, const TGridPoint&) = default;
};

struct TRouteRequest {
  int FromKind = 0;
  int FromIndex = 0;
  int ToIndex = 0;
  int Port = 0;
  friend bool operator==(const TRouteRequest&, const TRouteRequest&) = default;
};

// A label box in paint-area pixels.
struct TLabelBox {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TLabelBox&, const TLabelBox&) = default;
};

using TConnPoints = Table<TGridPoint, MaxConnPoint>;

// ZEPs
extern Table<TZEPText, MaxZEP> ZEPText;
extern Table<TZEPLink, MaxZEP> ZEPLink;
extern Table<TZEPPos, MaxZEP> ZEPPos;
extern int ZEPCount;

// Inputs
extern Table<TName, MaxInput> InputName;
extern Table<TLabelBox, MaxInput> InputBox;
extern Table<TTermPos, MaxInput> InputPos;
extern int InputCount;

// Outputs
extern Table<TName, MaxOutput> OutputName;
extern Table<TLabelBox, MaxOutput> OutputBox;
extern Table<TTermPos, MaxOutput> OutputPos;
extern int OutputCount;

// Comments
extern Table<TCommentText, MaxComment> CommentText;
extern Table<TLabelBox, MaxComment> CommentBox;
extern Table<TGridPoint, MaxComment> CommentPos;
extern int CommentCount;

// Dots
extern Table<TLabelBox, MaxDot> DotBox;
extern Table<TGridPoint, MaxDot> DotPos;
extern int DotCount;

// Connections
extern Table<TConnPoints, MaxConn> ConnPoint;
extern Table<int, MaxConn> ConnPointCount;
extern int ConnCount;
extern Table<TRouteRequest, MaxConn> RouteRequest;

// Function name lists
extern Table<TName, MaxLibFunc> LibFuncName;
extern int LibFuncCount;
extern Table<TName, MaxUserFunc> UserFuncName;
extern int UserFuncCount;

// Paths and file identity
extern TPath AppDir;
extern TPath NetworkDataPath;
extern TPath UserDataPath;
extern TPath LibDataPath;
extern TPath BuiltDataPath;
extern ShortString<63> NetFileName;
extern int NetFileType;

// View state
extern int Scale;
int ScaleSize(int scale);  // 40, 32, 24, 18, 14, 10 for steps 1..6
extern int Pitch;
extern int ZEPRadius;
extern int ArrowReach;
extern int ArrowInset;
extern int BarbSize;
extern int GridStep;
extern int CanvasWidth;
extern int CanvasHeight;
extern QString FontName;
extern ShortString<19> DrawFontName;
extern int FontSize;
extern bool NumberView;
extern bool BoldFont;
extern bool BWMode;

// Editing state
extern bool Edited;
extern bool EditDialogOpen;
extern bool Picked;
extern bool DragMode;
extern bool Dragging;
extern int DragX;
extern int DragY;
extern bool DragFresh;
extern int CurZEP;
extern int CurInput;
extern int CurOutput;
extern int CurComment;
extern int CurDot;
extern bool FirstShow;
extern bool ExitChosen;

// Sets every count of the net to 0 before a file is read; the records stay.
void ResetCounts();

// Puts every table, count, text and flag back to its state at program start.
void ResetNetDef();
