// _setjmp3 and longjmp, libpng's error return and winpthreads' pthread_exit.
// The buffer has msvcrt's layout: Ebp, Ebx, Edi, Esi, Esp, Eip, Registration,
// TryLevel, Cookie, UnwindFunc, UnwindData[6]. Nothing on this host installs
// structured exception frames, so the registration is null and longjmp has
// no frames to unwind: it restores the callee-saved registers and the stack
// and returns `value` (1 for 0) from the _setjmp3 call.
#include "sim/dll_host/win32/msvcrt_exports.h"

asm(R"(
    .text
    .globl CrtSetjmp3
    .type CrtSetjmp3, @function
CrtSetjmp3:
    movl 4(%esp), %edx
    movl %ebp, 0(%edx)
    movl %ebx, 4(%edx)
    movl %edi, 8(%edx)
    movl %esi, 12(%edx)
    leal 4(%esp), %eax          /* the caller's stack once this call returns */
    movl %eax, 16(%edx)
    movl (%esp), %eax
    movl %eax, 20(%edx)
    movl $0, 24(%edx)
    movl $-1, 28(%edx)
    movl $0x56433230, 32(%edx)  /* "VC20" */
    movl $0, 36(%edx)
    xorl %eax, %eax
    ret
    .size CrtSetjmp3, .-CrtSetjmp3

    .globl CrtLongjmp
    .type CrtLongjmp, @function
CrtLongjmp:
    movl 4(%esp), %edx
    movl 8(%esp), %eax
    testl %eax, %eax
    jnz 1f
    movl $1, %eax
1:
    movl 0(%edx), %ebp
    movl 4(%edx), %ebx
    movl 8(%edx), %edi
    movl 12(%edx), %esi
    movl 16(%edx), %esp
    jmp *20(%edx)
    .size CrtLongjmp, .-CrtLongjmp
)");
