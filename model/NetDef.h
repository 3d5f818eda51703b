#pragma once
// The network: fixed-size global tables numbered from 1, a count per kind, the view state
// and the editing state. Element numbers are positions in their tables; entries beyond a
// count are stale and never read.
#include <QString>
#include <type_traits>

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

// A file or folder path, kept whole in any script and of any length: paths are the file
// system's, not texts of a net file, so no length cut applies to them.
class TPath {
public:
  TPath() = default;
  TPath(const QString& text) : text_(text) {}                       // NOLINT: as a plain text
  TPath(const char* text) : text_(QString::fromUtf8(text)) {}      // NOLINT
  const QString& Str() const { return text_; }
  bool IsEmpty() const { return text_.isEmpty(); }
  operator QString() const { return text_; }  // NOLINT: read as a plain text
  bool operator==(const TPath&) const = default;

private:
  QString text_;
};

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
  friend bool operator==(const TZEPText&, const TZEPText&) = default;
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

// What a file wrote of a ZEP's sources beyond the 15 bytes that SourceA and SourceB hold. A
// ZEP name of 14 or 15 bytes with its delay suffix ("LowpassFilter12-3") is longer than the
// field; the reader keeps the rest here so that the next ResolveLinks reads the source
// whole, and ResolveLinks empties it.
struct TSourceRest {
  ShortString<255> A;
  ShortString<255> B;
  friend bool operator==(const TSourceRest&, const TSourceRest&) = default;
};

// The content of the net: every table and count a ".net" file holds and an edit changes.
// One value, so that a whole net can be read aside, compared and restored; the names below
// are the program's global view of the one instance, NetTables.
struct TNetTables {
  // ZEPs
  Table<TZEPText, MaxZEP> ZEPText;
  Table<TZEPLink, MaxZEP> ZEPLink;
  Table<TZEPPos, MaxZEP> ZEPPos;
  int ZEPCount = 0;
  // Inputs
  Table<TName, MaxInput> InputName;
  Table<TTermPos, MaxInput> InputPos;
  int InputCount = 0;
  // Outputs
  Table<TName, MaxOutput> OutputName;
  Table<TTermPos, MaxOutput> OutputPos;
  int OutputCount = 0;
  // Comments
  Table<TCommentText, MaxComment> CommentText;
  Table<TGridPoint, MaxComment> CommentPos;
  int CommentCount = 0;
  // Dots
  Table<TGridPoint, MaxDot> DotPos;
  int DotCount = 0;
  // Connections
  Table<TConnPoints, MaxConn> ConnPoint;
  Table<int, MaxConn> ConnPointCount;
  int ConnCount = 0;
  Table<TRouteRequest, MaxConn> RouteRequest;
  // Function name lists
  Table<TName, MaxLibFunc> LibFuncName;
  int LibFuncCount = 0;
  Table<TName, MaxUserFunc> UserFuncName;
  int UserFuncCount = 0;
  // The file's type line
  int NetFileType = 0;
  // What the reader keeps for later: the rests of long sources, one record per ZEP that
  // moves with it, and the keys of the "[Connection]" lines as read. A loaded net keeps the
  // polylines of its file until the routes are rebuilt, and until then its route requests
  // do not describe them; the writer then names each connection as its file did, so a
  // loaded net saves back to the same lines. ConnKeysFromFile is set by the reader and
  // cleared by RebuildRoutes.
  Table<TSourceRest, MaxZEP> SourceRest;
  Table<ShortString<255>, MaxConn> ConnKeyRead;
  bool ConnKeysFromFile = false;
  // What the flag leaves of its last four bytes, named so that the tables hold no padding:
  // every byte of the value is a byte of the net, and two equal nets are equal in memory.
  char Unused[3] = {};
  friend bool operator==(const TNetTables&, const TNetTables&) = default;
};
static_assert(std::has_unique_object_representations_v<TNetTables>, "the tables hold padding bytes");

extern TNetTables NetTables;

inline Table<TZEPText, MaxZEP>& ZEPText = NetTables.ZEPText;
inline Table<TZEPLink, MaxZEP>& ZEPLink = NetTables.ZEPLink;
inline Table<TZEPPos, MaxZEP>& ZEPPos = NetTables.ZEPPos;
inline int& ZEPCount = NetTables.ZEPCount;
inline Table<TName, MaxInput>& InputName = NetTables.InputName;
inline Table<TTermPos, MaxInput>& InputPos = NetTables.InputPos;
inline int& InputCount = NetTables.InputCount;
inline Table<TName, MaxOutput>& OutputName = NetTables.OutputName;
inline Table<TTermPos, MaxOutput>& OutputPos = NetTables.OutputPos;
inline int& OutputCount = NetTables.OutputCount;
inline Table<TCommentText, MaxComment>& CommentText = NetTables.CommentText;
inline Table<TGridPoint, MaxComment>& CommentPos = NetTables.CommentPos;
inline int& CommentCount = NetTables.CommentCount;
inline Table<TGridPoint, MaxDot>& DotPos = NetTables.DotPos;
inline int& DotCount = NetTables.DotCount;
inline Table<TConnPoints, MaxConn>& ConnPoint = NetTables.ConnPoint;
inline Table<int, MaxConn>& ConnPointCount = NetTables.ConnPointCount;
inline int& ConnCount = NetTables.ConnCount;
inline Table<TRouteRequest, MaxConn>& RouteRequest = NetTables.RouteRequest;
inline Table<TName, MaxLibFunc>& LibFuncName = NetTables.LibFuncName;
inline int& LibFuncCount = NetTables.LibFuncCount;
inline Table<TName, MaxUserFunc>& UserFuncName = NetTables.UserFuncName;
inline int& UserFuncCount = NetTables.UserFuncCount;
inline int& NetFileType = NetTables.NetFileType;
inline Table<TSourceRest, MaxZEP>& SourceRest = NetTables.SourceRest;
inline Table<ShortString<255>, MaxConn>& ConnKeyRead = NetTables.ConnKeyRead;
inline bool& ConnKeysFromFile = NetTables.ConnKeysFromFile;

// Label boxes: where the painter last drew each label, for the pointer's hit tests.
extern Table<TLabelBox, MaxInput> InputBox;
extern Table<TLabelBox, MaxOutput> OutputBox;
extern Table<TLabelBox, MaxComment> CommentBox;
extern Table<TLabelBox, MaxDot> DotBox;

// Paths and file identity
extern TPath AppDir;
extern TPath NetworkDataPath;
extern TPath UserDataPath;
extern TPath LibDataPath;
extern TPath BuiltDataPath;
extern ShortString<63> NetFileName;

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
