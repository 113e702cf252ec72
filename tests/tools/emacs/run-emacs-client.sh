#!/bin/sh
# Runs an Emacs batch script against the tool as a new user would: stock Emacs (-Q) in a fresh,
# empty home, with the tool's path as the script's argument.
set -eu
tool=$1 script=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
unset XDG_DATA_HOME
HOME=$home emacs -Q --batch -l "$script" "$tool"
