VERSION 2.00
Begin Form frmCalc 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Pocket Calculator"
   ClientHeight    =   3090
   ClientLeft      =   1290
   ClientTop       =   1830
   ClientWidth     =   3060
   Height          =   3780
   Left            =   1230
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   3090
   ScaleWidth      =   3060
   Top             =   1200
   Width           =   3180
   Begin TextBox txtDisplay 
      Alignment       =   1  'Right Justify
      FontBold        =   -1  'True
      FontItalic      =   0   'False
      FontName        =   "MS Sans Serif"
      FontSize        =   9.75
      FontStrikethru  =   0   'False
      FontUnderline   =   0   'False
      Height          =   375
      Left            =   120
      TabIndex        =   0
      Text            =   "0"
      Top             =   120
      Width           =   2820
   End
   Begin CommandButton cmdDigit 
      Caption         =   "7"
      Height          =   495
      Index           =   7
      Left            =   120
      TabIndex        =   1
      Top             =   600
      Width           =   615
   End
   Begin CommandButton cmdDigit 
      Caption         =   "8"
      Height          =   495
      Index           =   8
      Left            =   855
      TabIndex        =   2
      Top             =   600
      Width           =   615
   End
   Begin CommandButton cmdDigit 
      Caption         =   "9"
      Height          =   495
      Index           =   9
      Left            =   1590
      TabIndex        =   3
      Top             =   600
      Width           =   615
   End
   Begin CommandButton cmdOperator 
      Caption         =   "/"
      Height          =   495
      Index           =   3
      Left            =   2325
      TabIndex        =   4
      Top             =   600
      Width           =   615
   End
   Begin CommandButton cmdDigit 
      Caption         =   "4"
      Height          =   495
      Index           =   4
      Left            =   120
      TabIndex        =   5
      Top             =   1200
      Width           =   615
   End
   Begin CommandButton cmdDigit 
      Caption         =   "5"
      Height          =   495
      Index           =   5
      Left            =   855
      TabIndex        =   6
      Top             =   1200
      Width           =   615
   End
   Begin CommandButton cmdDigit 
      Caption         =   "6"
      Height          =   495
      Index           =   6
      Left            =   1590
      TabIndex        =   7
      Top             =   1200
      Width           =   615
   End
   Begin CommandButton cmdOperator 
      Caption         =   "*"
      Height          =   495
      Index           =   2
      Left            =   2325
      TabIndex        =   8
      Top             =   1200
      Width           =   615
   End
   Begin CommandButton cmdDigit 
      Caption         =   "1"
      Height          =   495
      Index           =   1
      Left            =   120
      TabIndex        =   9
      Top             =   1800
      Width           =   615
   End
   Begin CommandButton cmdDigit 
      Caption         =   "2"
      Height          =   495
      Index           =   2
      Left            =   855
      TabIndex        =   10
      Top             =   1800
      Width           =   615
   End
   Begin CommandButton cmdDigit 
      Caption         =   "3"
      Height          =   495
      Index           =   3
      Left            =   1590
      TabIndex        =   11
      Top             =   1800
      Width           =   615
   End
   Begin CommandButton cmdOperator 
      Caption         =   "-"
      Height          =   495
      Index           =   1
      Left            =   2325
      TabIndex        =   12
      Top             =   1800
      Width           =   615
   End
   Begin CommandButton cmdDigit 
      Caption         =   "0"
      Height          =   495
      Index           =   0
      Left            =   120
      TabIndex        =   13
      Top             =   2400
      Width           =   615
   End
   Begin CommandButton cmdClear 
      Caption         =   "C"
      Height          =   495
      Left            =   855
      TabIndex        =   14
      Top             =   2400
      Width           =   615
   End
   Begin CommandButton cmdEquals 
      Caption         =   "="
      Default         =   -1  'True
      Height          =   495
      Left            =   1590
      TabIndex        =   15
      Top             =   2400
      Width           =   615
   End
   Begin CommandButton cmdOperator 
      Caption         =   "+"
      Height          =   495
      Index           =   0
      Left            =   2325
      TabIndex        =   16
      Top             =   2400
      Width           =   615
   End
   Begin Menu mnuEdit 
      Caption         =   "&Edit"
      Begin Menu mnuEditCopy 
         Caption         =   "&Copy"
         Shortcut        =   ^C
      End
      Begin Menu mnuEditPaste 
         Caption         =   "&Paste"
         Shortcut        =   ^V
      End
   End
   Begin Menu mnuHelp 
      Caption         =   "&Help"
      Begin Menu mnuHelpAbout 
         Caption         =   "&About Pocket Calculator..."
      End
   End
End
Dim Accumulator As Double
Dim PendingOperator As Integer
Dim StartNewNumber As Integer

Sub cmdClear_Click ()
    Accumulator = 0
    PendingOperator = -1
    txtDisplay.Text = "0"
    StartNewNumber = True
End Sub

Sub cmdDigit_Click (Index As Integer)
    If StartNewNumber Or txtDisplay.Text = "0" Then
        txtDisplay.Text = Format$(Index)
        StartNewNumber = False
    Else
        txtDisplay.Text = txtDisplay.Text & Format$(Index)
    End If
End Sub

Sub cmdEquals_Click ()
    ApplyPending
    PendingOperator = -1
End Sub

Sub cmdOperator_Click (Index As Integer)
    ApplyPending
    PendingOperator = Index
End Sub

Sub ApplyPending ()
    Dim Operand As Double
    Operand = Val(txtDisplay.Text)
    Select Case PendingOperator
        Case 0: Accumulator = Accumulator + Operand
        Case 1: Accumulator = Accumulator - Operand
        Case 2: Accumulator = Accumulator * Operand
        Case 3: If Operand <> 0 Then Accumulator = Accumulator / Operand
        Case Else: Accumulator = Operand
    End Select
    txtDisplay.Text = Format$(Accumulator)
    StartNewNumber = True
End Sub

Sub Form_Load ()
    cmdClear_Click
End Sub

Sub mnuEditCopy_Click ()
    Clipboard.SetText txtDisplay.Text
End Sub

Sub mnuEditPaste_Click ()
    txtDisplay.Text = Format$(Val(Clipboard.GetText()))
    StartNewNumber = True
End Sub

Sub mnuHelpAbout_Click ()
    MsgBox "Pocket Calculator 1.0", 64, "About"
End Sub
