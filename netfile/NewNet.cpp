#include "netfile/NewNet.h"

#include "model/NetDef.h"

void SetUpNewNet() {
  ZEPCount = 1;
  ZEPText[1] = {"New", "Non", "InPut1", "Input2"};
  // Set directly rather than resolved: function 101, A from Input 1, B from Input 2,
  // output to Output 1.
  ZEPLink[1] = {101, KindInput, 0, 1, KindInput, 0, 2, 1};
  ZEPPos[1] = {8, 8, 3};
  InputCount = 2;
  InputName[1] = "Input1";
  InputPos[1] = {0, 5, 4};
  InputName[2] = "Input2";
  InputPos[2] = {0, 11, 4};
  OutputCount = 1;
  OutputName[1] = "New";
  OutputPos[1] = {12, 8, 0};
  Scale = 1;
}
