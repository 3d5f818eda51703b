#pragma once
// Turns the names stored in the ZEPs into function codes, source kinds, delays, element
// numbers and Output numbers. Raises EConvertError on a delay that is no integer.
void ResolveLinks();
