#pragma once
// Where the HTML manual lies beside the program and how a browser is asked to
// open it at a section. A section is a fragment of a URL, which a plain file
// path cannot carry: the manual goes to the browser's own command as a file URL.
#include "framework/text/TString.h"

// The program's folder (up to its last '\' or '/') + "manual\manual.html".
TString ManualPathFor(const TString& programPath);

// "file:///C:/dir/x.html" for "C:\dir\x.html", "file://server/share/x" for
// "\\server\share\x", with "#section" when the section is not empty. The
// path and section are UTF-8, as browsers read a file URL's escapes: every
// byte from 0x80 on, controls, space, '%', '#', '?' and '"' are
// percent-encoded (upper-case hex).
TString FileUrl(const TString& utf8Path, const TString& utf8Section);

struct TLaunch {
  TString program;
  TString parameters;
};

// The program and parameters for an association's command line: the first
// token is the program (its quotes removed); in the rest every "%1", "%L" and
// "%l" becomes `url`, or the quoted url is appended when there is none.
TLaunch BrowserLaunch(const TString& command, const TString& url);
