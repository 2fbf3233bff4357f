#!/bin/sh
# Regenerates the shipped help resource: the UTF-8 source with CR LF line ends, in GBK.
# Fails (and leaves the old file) when the source holds a character GBK does not have.
set -e
cd "$(dirname "$0")/../src/help"
sed 's/$/\r/' help_document.txt | iconv -f UTF-8 -t GBK > help_document.gbk.tmp
mv help_document.gbk.tmp help_document.gbk
