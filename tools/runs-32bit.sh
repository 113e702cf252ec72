#!/usr/bin/env bash
# Whether this machine's kernel runs 32-bit x86 programs: builds and runs the smallest one, which
# exits with status 0. Exit status 0 when it ran.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '.globl _start\n_start:\n movl $1, %%eax\n movl $0, %%ebx\n int $0x80\n' > "$dir/exit.s"
as --32 "$dir/exit.s" -o "$dir/exit.o" 2>/dev/null &&
  ld -m elf_i386 "$dir/exit.o" -o "$dir/exit" 2>/dev/null &&
  "$dir/exit" 2>/dev/null
