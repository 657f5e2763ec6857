VERSION 5.00
Object = "{5C2E8A41-7D3B-11D1-9E2F-00A0C9B4D512}#1.2#0"; "COMCTL32.OCX"
Begin VB.Form frmAddress 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Address Book Entry"
   ClientHeight    =   5070
   ClientLeft      =   45
   ClientTop       =   615
   ClientWidth     =   6135
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   5070
   ScaleWidth      =   6135
   StartUpPosition =   1  'CenterOwner
   Begin VB.Timer tmrAutosave 
      Interval        =   30000
      Left            =   5520
      Top             =   120
   End
   Begin VB.Label lblTitle 
      Caption         =   "New contact"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.75
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   3135
   End
   Begin VB.Frame fraName 
      Caption         =   "Name"
      Height          =   1095
      Left            =   120
      TabIndex        =   1
      Top             =   480
      Width           =   3975
      Begin VB.TextBox txtFirstName 
         Height          =   285
         Left            =   1080
         TabIndex        =   3
         Top             =   285
         Width           =   2775
      End
      Begin VB.TextBox txtLastName 
         Height          =   285
         Left            =   1080
         TabIndex        =   5
         Top             =   645
         Width           =   2775
      End
      Begin VB.Label lblFirstName 
         Caption         =   "&First:"
         Height          =   255
         Left            =   120
         TabIndex        =   2
         Top             =   300
         Width           =   855
      End
      Begin VB.Label lblLastName 
         Caption         =   "&Last:"
         Height          =   255
         Left            =   120
         TabIndex        =   4
         Top             =   660
         Width           =   855
      End
   End
   Begin VB.Frame fraAddress 
      Caption         =   "Address"
      Height          =   1815
      Left            =   120
      TabIndex        =   6
      Top             =   1680
      Width           =   3975
      Begin VB.ComboBox cboCountry 
         Height          =   315
         Left            =   1080
         Style           =   2  'Dropdown List
         TabIndex        =   12
         Top             =   1365
         Width           =   2775
      End
      Begin VB.TextBox txtCity 
         Height          =   285
         Left            =   1080
         TabIndex        =   10
         Top             =   885
         Width           =   2775
      End
      Begin VB.TextBox txtStreet 
         Height          =   525
         Left            =   1080
         MultiLine       =   -1  'True
         TabIndex        =   8
         Top             =   285
         Width           =   2775
      End
      Begin VB.Label lblCountry 
         Caption         =   "C&ountry:"
         Height          =   255
         Left            =   120
         TabIndex        =   11
         Top             =   1395
         Width           =   855
      End
      Begin VB.Label lblCity 
         Caption         =   "&City:"
         Height          =   255
         Left            =   120
         TabIndex        =   9
         Top             =   900
         Width           =   855
      End
      Begin VB.Label lblStreet 
         Caption         =   "&Street:"
         Height          =   255
         Left            =   120
         TabIndex        =   7
         Top             =   300
         Width           =   855
      End
   End
   Begin VB.ListBox lstGroups 
      Height          =   2205
      Left            =   4200
      MultiSelect     =   1  'Simple
      TabIndex        =   14
      Top             =   780
      Width           =   1815
   End
   Begin VB.CommandButton cmdSave 
      Caption         =   "&Save"
      Default         =   -1  'True
      Height          =   375
      Left            =   3000
      TabIndex        =   15
      Top             =   3720
      Width           =   1455
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   4560
      TabIndex        =   16
      Top             =   3720
      Width           =   1455
   End
   Begin VB.Label lblGroups 
      Caption         =   "&Groups:"
      Height          =   255
      Left            =   4200
      TabIndex        =   13
      Top             =   480
      Width           =   1455
   End
   Begin ComctlLib.StatusBar sbStatus 
      Align           =   2  'Align Bottom
      Height          =   315
      Left            =   0
      TabIndex        =   17
      Top             =   4755
      Width           =   6135
      _ExtentX        =   10821
      _ExtentY        =   556
      Style           =   1
      SimpleText      =   "Ready"
      _Version        =   327682
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileSave 
         Caption         =   "&Save"
         Shortcut        =   ^S
      End
      Begin VB.Menu mnuFileSep1 
         Caption         =   "-"
      End
      Begin VB.Menu mnuFileClose 
         Caption         =   "&Close"
      End
   End
   Begin VB.Menu mnuEdit 
      Caption         =   "&Edit"
      Begin VB.Menu mnuEditClear 
         Caption         =   "C&lear all fields"
      End
      Begin VB.Menu mnuEditGroups 
         Caption         =   "&Groups"
         Begin VB.Menu mnuEditGroupsSelectAll 
            Caption         =   "Select &all"
         End
         Begin VB.Menu mnuEditGroupsSelectNone 
            Caption         =   "Select &none"
         End
      End
   End
End
Attribute VB_Name = "frmAddress"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Dirty As Boolean

Private Sub Form_Load()
    cboCountry.AddItem "Austria"
    cboCountry.AddItem "Canada"
    cboCountry.AddItem "Ireland"
    cboCountry.AddItem "New Zealand"
    cboCountry.ListIndex = 0
    lstGroups.AddItem "Family"
    lstGroups.AddItem "Friends"
    lstGroups.AddItem "Work"
    lstGroups.AddItem "Clubs"
End Sub

Private Sub cmdSave_Click()
    If Len(Trim$(txtLastName.Text)) = 0 Then
        MsgBox "Please enter at least a last name.", vbExclamation
        txtLastName.SetFocus
        Exit Sub
    End If
    Dirty = False
    sbStatus.SimpleText = "Saved " & txtFirstName.Text & " " & txtLastName.Text
End Sub

Private Sub cmdCancel_Click()
    Unload Me
End Sub

Private Sub tmrAutosave_Timer()
    If Dirty Then cmdSave_Click
End Sub

Private Sub txtLastName_Change()
    Dirty = True
End Sub

Private Sub mnuFileSave_Click()
    cmdSave_Click
End Sub

Private Sub mnuFileClose_Click()
    Unload Me
End Sub

Private Sub mnuEditClear_Click()
    txtFirstName.Text = ""
    txtLastName.Text = ""
    txtStreet.Text = ""
    txtCity.Text = ""
End Sub

Private Sub mnuEditGroupsSelectAll_Click()
    Dim i As Integer
    For i = 0 To lstGroups.ListCount - 1
        lstGroups.Selected(i) = True
    Next i
End Sub

Private Sub mnuEditGroupsSelectNone_Click()
    Dim i As Integer
    For i = 0 To lstGroups.ListCount - 1
        lstGroups.Selected(i) = False
    Next i
End Sub
