#include "model/NetDef.h"

#include <QtGlobal>

TNetTables NetTables;

Table<TLabelBox, MaxInput> InputBox;
Table<TLabelBox, MaxOutput> OutputBox;
Table<TLabelBox, MaxComment> CommentBox;
Table<TLabelBox, MaxDot> DotBox;

TPath AppDir;
TPath NetworkDataPath;
TPath UserDataPath;
TPath LibDataPath;
TPath BuiltDataPath;
ShortString<63> NetFileName;

int Scale = 2;
int Pitch = 0;
int ZEPRadius = 0;
int ArrowReach = 0;
int ArrowInset = 0;
int BarbSize = 0;
int GridStep = 0;
int CanvasWidth = 0;
int CanvasHeight = 0;
QString FontName;
ShortString<19> DrawFontName;
int FontSize = 0;
bool NumberView = false;
bool BoldFont = false;
bool BWMode = false;

bool Edited = false;
bool EditDialogOpen = false;
bool Picked = false;
bool DragMode = false;
bool Dragging = false;
int DragX = 0;
int DragY = 0;
bool DragFresh = false;
int CurZEP = 0;
int CurInput = 0;
int CurOutput = 0;
int CurComment = 0;
int CurDot = 0;
bool FirstShow = false;
bool ExitChosen = false;

void TableIndexFault(int index, int capacity) {
  qFatal("table index %d outside 1..%d", index, capacity);
}

int ScaleSize(int scale) {
  static constexpr int Sizes[6] = {40, 32, 24, 18, 14, 10};
  if (scale < 1 || scale > 6) TableIndexFault(scale, 6);
  return Sizes[scale - 1];
}

void ResetCounts() {
  LibFuncCount = 0;
  ZEPCount = 0;
  UserFuncCount = 0;
  InputCount = 0;
  OutputCount = 0;
  CommentCount = 0;
  DotCount = 0;
  ConnCount = 0;
}

void ResetNetDef() {
  ZEPText.Fill({});
  ZEPLink.Fill({});
  ZEPPos.Fill({});
  InputName.Fill({});
  InputBox.Fill({});
  InputPos.Fill({});
  OutputName.Fill({});
  OutputBox.Fill({});
  OutputPos.Fill({});
  CommentText.Fill({});
  CommentBox.Fill({});
  CommentPos.Fill({});
  DotBox.Fill({});
  DotPos.Fill({});
  ConnPoint.Fill({});
  ConnPointCount.Fill(0);
  RouteRequest.Fill({});
  NetTables.ConnKeyRead.Fill({});
  NetTables.ConnKeysFromFile = false;
  LibFuncName.Fill({});
  UserFuncName.Fill({});
  ResetCounts();
  AppDir = "";
  NetworkDataPath = "";
  UserDataPath = "";
  LibDataPath = "";
  BuiltDataPath = "";
  NetFileName = "";
  NetFileType = 0;
  Scale = 2;
  Pitch = ZEPRadius = ArrowReach = ArrowInset = BarbSize = GridStep = 0;
  CanvasWidth = CanvasHeight = 0;
  FontName.clear();
  DrawFontName = "";
  FontSize = 0;
  NumberView = BoldFont = BWMode = false;
  Edited = EditDialogOpen = Picked = DragMode = Dragging = DragFresh = false;
  DragX = DragY = 0;
  CurZEP = CurInput = CurOutput = CurComment = CurDot = 0;
  FirstShow = ExitChosen = false;
}
