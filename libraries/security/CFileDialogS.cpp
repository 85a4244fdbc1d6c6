#include "CFileDialogS.h"

CFileDialogS::CFileDialogS(int openFileDialog, const char* defExt, const char* fileName, unsigned long flags,
                           const char* filter, CWnd* parent)
    : CFileDialog(openFileDialog, defExt, fileName, flags, filter, parent)
{
}

CFileDialogS::~CFileDialogS() = default;
