#pragma once

#include "snippets/snippet.h"

// The fixed pages that start-up and the New commands write into an empty editor.
inline constexpr Snippet startPage{{
    u"<html>\r\n",
    u"<head>\r\n",
    u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n",
    u"<meta name=\"GENERATOR\" content=\"mq\">\r\n",
    u"<meta http-equiv=\"ProgId\" content=\"mq.Editor.Document\">\r\n",
    u"<title>New Page 1</title>\r\n",
    u"</head>\r\n",
    u"\r\n",
    u"<body>\r\n",
    u"\r\n",
    u"</body>\r\n",
    u"</html>\r\n",
}};

inline constexpr Snippet aspPage{{u"<%\r\n", u"\r\n", u"%>"}};

inline constexpr Snippet cssPage{{u"<Style Type=text/css>\r\n", u"\r\n", u"</Style>"}};
